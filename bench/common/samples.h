// What the bench's programs print: raw samples, one JSON object a line, each with a "kind";
// bench/report.py turns them into figures. Nothing here sums or sorts.
#pragma once

#include <QJsonDocument>
#include <QJsonObject>
#include <QStringList>
#include <cstdio>
#include <stdexcept>
#include <string>

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

// Writes one sample as a line of JSON on standard output, at once. Throws std::logic_error on a
// key the list does not give its kind: the report would read past it.
inline void emitSample(const SampleKind& kind, QJsonObject fields)
{
    const QStringList keys = QString::fromLatin1(kind.keys).split(u' ');
    for (const QString& key : fields.keys())
        if (!keys.contains(key))
            throw std::logic_error(std::string("a ") + kind.name + " sample has no key " +
                                   key.toStdString());
    fields.insert(QStringLiteral("kind"), QLatin1String(kind.name));
    std::puts(QJsonDocument(fields).toJson(QJsonDocument::Compact).constData());
    std::fflush(stdout);
}

} // namespace bench
