#include "core/base/IniFiles.h"

#include <vector>

#include "core/base/Text.h"

namespace quill {

namespace {

// The program names only a few settings files; the bound holds whatever a caller asks.
constexpr std::size_t kMaxCachedFiles = 16;

// The system's functions take C strings: a name or value ends at its first zero.
std::string_view CString(std::string_view s) { return s.substr(0, s.find('\0')); }

}  // namespace

IniFiles::Cached& IniFiles::Current(const std::string& path) {
    const std::string cacheKey = LowerAscii(path);
    auto it = cache_.find(cacheKey);
    if (it == cache_.end()) {
        if (cache_.size() >= kMaxCachedFiles) std::erase_if(cache_, [](const auto& e) { return !e.second.dirty; });
        it = cache_.emplace(cacheKey, Cached{}).first;
        it->second.path = path;
    }
    Cached& c = it->second;
    // Writes not saved yet win over the disk; within a batch the disk is looked at once.
    if (c.dirty || (batchDepth_ > 0 && c.loaded && c.checkedInBatch == batch_)) return c;
    auto stamp = files_.Stamp(path);
    c.checkedInBatch = batch_;
    if (!c.loaded || stamp != c.stamp) Load(c, stamp);
    return c;
}

void IniFiles::Load(Cached& c, const std::optional<FileStamp>& stamp) {
    c.doc = IniDocument();
    c.encoding = IniEncoding::Ansi;
    c.stamp = stamp;
    c.loaded = true;
    c.writable = true;
    if (!stamp) return;
    std::optional<std::string> bytes;
    if (stamp->size <= kMaxBytes) bytes = files_.Read(c.path, 0, kMaxBytes);
    if (!bytes) {
        log_.WriteLog("Quillares: settings file not read: " + c.path);
        c.writable = false;
        // A file locked for a moment is tried again at the next read.
        if (stamp->size <= kMaxBytes) c.loaded = false;
        return;
    }
    IniText text = DecodeIni(*bytes, codec_);
    c.encoding = text.encoding;
    c.doc = IniDocument::Parse(text.utf8);
}

std::optional<std::string> IniFiles::Read(const std::string& path, std::string_view section, std::string_view key) {
    const Cached& c = Current(path);
    const std::string* value = c.doc.Find(CString(section), CString(key));
    if (!value) return std::nullopt;
    return *value;
}

void IniFiles::Write(const std::string& path, std::string_view section, std::string_view key,
                     std::string_view value) {
    Cached& c = Current(path);
    if (!c.writable) {
        log_.WriteLog("Quillares: settings not saved: " + path);
        return;
    }
    const IniEncoding encoding = c.encoding;
    const bool changed = c.doc.Set(CString(section), CString(key), CString(value),
                                   [&](std::string_view s) { return AsStored(s, encoding, codec_); });
    if (!changed) return;
    c.dirty = true;
    if (batchDepth_ == 0) Save(LowerAscii(path));
}

void IniFiles::Save(const std::string& cacheKey) {
    Cached& c = cache_.at(cacheKey);
    if (files_.ReplaceAtomically(c.path, EncodeIni(c.doc.Text(), c.encoding, codec_))) {
        c.dirty = false;
        c.stamp = files_.Stamp(c.path);
        return;
    }
    log_.WriteLog("Quillares: settings not saved: " + c.path);
    cache_.erase(cacheKey);
}

void IniFiles::BeginBatch() {
    if (batchDepth_++ == 0) ++batch_;
}

void IniFiles::EndBatch() {
    if (batchDepth_ == 0 || --batchDepth_ > 0) return;
    std::vector<std::string> dirty;
    for (const auto& [cacheKey, c] : cache_)
        if (c.dirty) dirty.push_back(cacheKey);
    for (const auto& cacheKey : dirty) Save(cacheKey);
}

}  // namespace quill
