#include "servercore/ServerOptions.h"

#include <charconv>

namespace quill::toneserver {
namespace {

bool ParseInt(const std::string& s, int low, int high, int& out) {
    int v = 0;
    const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
    if (ec != std::errc() || end != s.data() + s.size() || v < low || v > high) return false;
    out = v;
    return true;
}

// A version is what the add-on reads as a number: digits with at most one point.
bool IsVersion(const std::string& s) {
    if (s.empty() || s.size() > 16 || s.front() == '.') return false;
    int points = 0;
    for (char c : s) {
        if (c == '.') ++points;
        else if (c < '0' || c > '9') return false;
    }
    return points <= 1;
}

}  // namespace

ParsedOptions ParseOptions(const std::vector<std::string>& args) {
    ParsedOptions r;
    ServerOptions& o = r.options;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--update-required") {
            o.updateRequired = true;
            continue;
        }
        if (a != "--host" && a != "--port" && a != "--version" && a != "--slow-ms" &&
            a != "--trickle-ms") {
            r.error = "unknown option " + a;
            return r;
        }
        if (i + 1 == args.size()) {
            r.error = a + " needs a value";
            return r;
        }
        const std::string& v = args[++i];
        bool ok = true;
        if (a == "--host") {
            ok = !v.empty() && v.size() <= 253;
            o.host = v;
        } else if (a == "--port") {
            ok = ParseInt(v, 0, 65535, o.port);
        } else if (a == "--version") {
            ok = IsVersion(v);
            o.version = v;
        } else {
            ok = ParseInt(v, 0, 10000, a == "--slow-ms" ? o.slowMs : o.trickleMs);
        }
        if (!ok) {
            r.error = "bad value for " + a + ": " + v;
            return r;
        }
    }
    return r;
}

}  // namespace quill::toneserver
