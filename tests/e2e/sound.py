"""Tone files made for the tests, and a reading of what reached the audio device."""
import glob
import math
import os
import re
import struct


def wave_bytes(freq, seconds, rate=16000, amplitude=8000):
    """A 16-bit mono RIFF WAVE whose samples say which tone they are."""
    n = int(rate * seconds)
    samples = b"".join(struct.pack("<h", int(amplitude * math.sin(2 * math.pi * freq * i / rate))) for i in range(n))
    fmt = struct.pack("<HHIIHH", 1, 1, rate, rate * 2, 2, 16)
    body = b"WAVE" + b"fmt " + struct.pack("<I", len(fmt)) + fmt + b"data" + struct.pack("<I", len(samples)) + samples
    return b"RIFF" + struct.pack("<I", len(body)) + body


def pcm(wave, chunk=b"data"):
    """The body of a chunk of a WAVE image: by default its samples."""
    if wave[:4] != b"RIFF" or wave[8:12] != b"WAVE":
        raise ValueError("not a RIFF WAVE")
    pos = 12
    while pos + 8 <= len(wave):
        cid, size = wave[pos:pos + 4], struct.unpack("<I", wave[pos + 4:pos + 8])[0]
        if cid == chunk:
            return wave[pos + 8:pos + 8 + size]
        pos += 8 + size + (size & 1)
    raise ValueError(f"no {chunk} chunk")


def samples(pcm):
    return struct.unpack(f"<{len(pcm) // 2}h", pcm[:len(pcm) // 2 * 2])


def pcm_of_file(path):
    with open(path, "rb") as f:
        return pcm(f.read())


def skype_tone(title, wave):
    """A Skype tone file: a header of NUL-ended fields, the title after a NUL pair, then the WAVE."""
    header = b"SKYPETONE" + b"ver\0" + b"x\0\0" + title.encode() + b"\0" + b"\0" * 7
    return header + wave


def container(text, wave):
    """A tone container: magic, empty opaque field, the text, the WAVE without "RIFF"."""
    t = text.encode("cp1252")
    return b"QUILLARE" + struct.pack("<i", 0) + struct.pack("<i", len(t)) + t + struct.pack("<i", len(wave) - 4) + wave[4:]


def unpacked(data):
    """The text and the WAVE of a tone container with an empty opaque field."""
    size = struct.unpack("<i", data[12:16])[0]
    return data[16:16 + size], b"RIFF" + data[16 + size + 4:]


# Now and then Wine's driver ends a playback with a period or more of silence (10 ms each here;
# more of them on a loaded machine).
PADDING = 4 * 640


def unpadded(stream, known):
    """The known piece that stream is, when all it adds is a little trailing silence."""
    for k in known:
        rest = stream[len(k):]
        if len(stream) > len(k) and stream.startswith(k) and len(rest) <= PADDING and not rest.strip(b"\0"):
            return k
    return stream


def streams(path, known=()):
    """What each playback sent to the device. The ALSA file plugin, told not to truncate, writes the
    first stream to path and each later one to path.0001, path.0002, ..."""
    names = [path] + sorted(p for p in glob.glob(path + ".*") if re.fullmatch(r"\d{4}", p[len(path) + 1:]))
    out = []
    for name in names:
        try:
            with open(name, "rb") as f:
                out.append(unpadded(f.read(), known))
        except FileNotFoundError:
            break
    return out


def heard(path, known=()):
    return b"".join(streams(path, known))


def forget(path):
    for name in glob.glob(path) + glob.glob(path + ".*"):
        os.remove(name)


def split_into(stream, pieces):
    """Reads stream as a sequence of the named pieces; returns their names, or None when some part is
    none of them. The last piece may be cut short (a tone stopped while it played)."""
    names, pos = [], 0
    while pos < len(stream):
        for name, data in pieces.items():
            if stream.startswith(data, pos):
                names.append(name)
                pos += len(data)
                break
        else:
            for name, data in pieces.items():
                rest = stream[pos:]
                if len(rest) < len(data) and data.startswith(rest):
                    return names + [name + "(cut)"]
            return None
    return names
