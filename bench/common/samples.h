// What the bench's programs print: raw samples, one JSON object a line, each with a "kind";
// bench/report.py turns them into figures. Nothing here sums or sorts.
#pragma once

#include <QJsonDocument>
#include <QJsonObject>
#include <cstdio>
#include <string>

namespace bench {

// Writes one sample as a line of JSON on standard output, at once.
inline void emitSample(const QJsonObject& sample)
{
    std::puts(QJsonDocument(sample).toJson(QJsonDocument::Compact).constData());
    std::fflush(stdout);
}

// Passes on the sample lines another program of the bench wrote.
inline void relaySamples(const std::string& lines)
{
    std::fputs(lines.c_str(), stdout);
    std::fflush(stdout);
}

} // namespace bench
