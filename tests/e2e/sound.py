"""Tone files made for the tests, and a reading of what reached the audio device."""
import glob
import io
import os
import re
import struct
import wave


def pcm(image):
    """The samples of a PCM WAVE image."""
    with wave.open(io.BytesIO(image)) as w:
        return w.readframes(w.getnframes())


def samples(pcm):
    return struct.unpack(f"<{len(pcm) // 2}h", pcm[:len(pcm) // 2 * 2])


def pcm_of_file(path):
    return pcm(open(path, "rb").read())


def skype_tone(title, image):
    """A Skype tone file: a header of NUL-ended fields, the title after a NUL pair, then the WAVE."""
    header = b"SKYPETONE" + b"ver\0" + b"x\0\0" + title.encode() + b"\0" + b"\0" * 7
    return header + image


def container(text, image):
    """A tone container: magic, empty opaque field, the text, the WAVE without "RIFF"."""
    t = text.encode("cp1252")
    return b"QUILLARE" + struct.pack("<ii", 0, len(t)) + t + struct.pack("<i", len(image) - 4) + image[4:]


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
    return [unpadded(open(name, "rb").read(), known) for name in names if os.path.exists(name)]
