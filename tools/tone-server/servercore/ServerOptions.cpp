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
        struct Number {
            const char* name;
            int low, high;
            int* value;
        };
        const Number numbers[] = {{"--port", 0, 65535, &o.port},        {"--slow-ms", 0, 10000, &o.slowMs},
                                  {"--trickle-ms", 0, 10000, &o.trickleMs}, {"--workers", 1, 256, &o.workers},
                                  {"--cache-mb", 0, 65536, &o.cacheMb}, {"--per-address", 1, 10000, &o.perAddress}};
        const Number* number = nullptr;
        for (const Number& n : numbers)
            if (a == n.name) number = &n;
        if (a != "--host" && a != "--version" && number == nullptr) {
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
        } else if (a == "--version") {
            ok = IsVersion(v);
            o.version = v;
        } else {
            ok = ParseInt(v, number->low, number->high, *number->value);
        }
        if (!ok) {
            r.error = "bad value for " + a + ": " + v;
            return r;
        }
    }
    if (o.slowMs > 0 && o.trickleMs > 0) r.error = "--slow-ms and --trickle-ms cannot be combined";
    return r;
}

}  // namespace quill::toneserver
