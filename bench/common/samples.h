// What the bench's programs print: raw samples, one JSON object a line, each with a "kind";
// bench/report.py turns them into figures. Nothing here sums or sorts. Plain C++: the Windows
// build's probe prints them too, and it has no Qt.
#pragma once

#include <charconv>
#include <cmath>
#include <cstdio>
#include <initializer_list>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace bench {

struct SampleKind {
    const char* name;
    const char* keys; // those a sample of the kind may hold, separated by spaces
};

// Each kind, from the list bench/report.py reads too; the programs' roles are bench/run's.
namespace sample {
#define SAMPLE_KIND(id, keys) inline constexpr SampleKind id{#id, keys};
#define PROGRAM(id, label)
#include "bench/common/samples.def"
#undef PROGRAM
#undef SAMPLE_KIND
} // namespace sample

// One value of a sample, already written as JSON.
class SampleValue {
public:
    SampleValue(bool value)
        : m_json(value ? "true" : "false")
    {
    }
    SampleValue(int value)
        : m_json(std::to_string(value))
    {
    }
    SampleValue(long value)
        : m_json(std::to_string(value))
    {
    }
    SampleValue(long long value)
        : m_json(std::to_string(value))
    {
    }
    // The shortest text that reads back as the same double: a spawn in ns needs fifteen digits.
    // JSON has no NaN.
    SampleValue(double value)
    {
        if (!std::isfinite(value)) {
            m_json = "null";
            return;
        }
        char text[32];
        m_json.assign(text, std::to_chars(text, text + sizeof text, value).ptr);
    }
    SampleValue(const char* text)
        : SampleValue(std::string_view(text))
    {
    }
    SampleValue(const std::string& text)
        : SampleValue(std::string_view(text))
    {
    }
    SampleValue(std::string_view text);

    const std::string& json() const { return m_json; }

private:
    std::string m_json;
};

// A sample's keys and values, in the order they were set; setting a key again replaces it.
class SampleFields {
public:
    SampleFields() = default;
    SampleFields(std::initializer_list<std::pair<std::string, SampleValue>> fields)
    {
        for (const auto& [key, value] : fields)
            set(key, value);
    }

    void set(const std::string& key, SampleValue value)
    {
        for (auto& field : m_fields)
            if (field.first == key) {
                field.second = std::move(value);
                return;
            }
        m_fields.emplace_back(key, std::move(value));
    }
    const std::vector<std::pair<std::string, SampleValue>>& fields() const { return m_fields; }

private:
    std::vector<std::pair<std::string, SampleValue>> m_fields;
};

// A string as JSON: quoted, with quotes, backslashes and control characters escaped; other
// bytes pass as they are, UTF-8 included.
inline SampleValue::SampleValue(std::string_view text)
    : m_json("\"")
{
    for (const char c : text) {
        if (c == '"' || c == '\\') {
            m_json += '\\';
            m_json += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(c));
            m_json += escaped;
        } else {
            m_json += c;
        }
    }
    m_json += '"';
}

// The fields with the build they come from, where that is not the Linux one.
inline SampleFields withBuild(SampleFields fields, std::string_view build)
{
    if (!build.empty())
        fields.set("build", std::string(build));
    return fields;
}

// The sample as one line of JSON, without its newline. Throws std::logic_error on a key the list
// does not give its kind: the report would refuse the whole file.
inline std::string sampleLine(const SampleKind& kind, const SampleFields& fields)
{
    const std::string keys = std::string(" ") + kind.keys + " ";
    std::string line = "{\"kind\":" + SampleValue(kind.name).json();
    for (const auto& [key, value] : fields.fields()) {
        if (keys.find(" " + key + " ") == std::string::npos)
            throw std::logic_error(std::string("a ") + kind.name + " sample has no key " + key);
        line += "," + SampleValue(key).json() + ":" + value.json();
    }
    return line + "}";
}

// Writes one sample on standard output, at once.
inline void emitSample(const SampleKind& kind, const SampleFields& fields)
{
    std::puts(sampleLine(kind, fields).c_str());
    std::fflush(stdout);
}

} // namespace bench
