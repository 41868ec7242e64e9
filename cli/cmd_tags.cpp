// quillon tags: prints or edits the tags of an audio file with our own tag writer.

#include "commandregistry.h"

#include <QFile>

#include <cstdio>

#include "tagfile.h"

namespace {

struct Key {
    const char* name;
    tags::Field field;
};

const Key kKeys[] = {
    {"title", tags::Field::Title},
    {"artist", tags::Field::Artist},
    {"albumartist", tags::Field::AlbumArtist},
    {"album", tags::Field::Album},
    {"composer", tags::Field::Composer},
    {"genre", tags::Field::Genre},
    {"year", tags::Field::Year},
    {"date", tags::Field::Date},
    {"track", tags::Field::Track},
    {"disc", tags::Field::Disc},
    {"comment", tags::Field::Comment},
    {"copyright", tags::Field::Copyright},
    {"lyrics", tags::Field::Lyrics},
    {"grouping", tags::Field::Grouping},
};

const Key* findKey(const QString& name)
{
    for (const Key& k : kKeys) {
        if (name == QLatin1String(k.name))
            return &k;
    }
    return nullptr;
}

void print(const tags::TagFile& file)
{
    for (const Key& k : kKeys) {
        const std::string value = file.fieldUtf8(k.field);
        if (!value.empty())
            std::printf("%s: %s\n", k.name, value.c_str());
    }
    const tags::Picture cover = file.cover();
    if (!cover.empty())
        std::printf("cover: %s, %zu bytes\n", cover.mime.c_str(), cover.data.size());
}

int run(const QStringList& args)
{
    if (args.isEmpty())
        return cli::fail(QStringLiteral("tags: missing FILE"));
    const QString path = args.first();
    std::vector<std::pair<const Key*, QString>> sets;
    QString coverPath;
    bool clearCover = false;
    for (int i = 1; i < args.size(); ++i) {
        const QString& a = args.at(i);
        if (a == QLatin1String("--set") && i + 1 < args.size()) {
            const QString kv = args.at(++i);
            const int eq = kv.indexOf(QLatin1Char('='));
            const Key* key = eq > 0 ? findKey(kv.left(eq)) : nullptr;
            if (!key)
                return cli::fail(QStringLiteral("tags: unknown key in '%1'").arg(kv));
            sets.emplace_back(key, kv.mid(eq + 1));
        } else if (a == QLatin1String("--cover") && i + 1 < args.size()) {
            coverPath = args.at(++i);
        } else if (a == QLatin1String("--clear-cover")) {
            clearCover = true;
        } else {
            return cli::fail(QStringLiteral("tags: unexpected argument '%1'").arg(a));
        }
    }
    tags::TagFile file;
    if (file.open(path.toStdU16String()) != 0)
        return cli::fail(
            QStringLiteral("tags: cannot open '%1' as a taggable audio file").arg(path));
    if (sets.empty() && coverPath.isEmpty() && !clearCover) {
        print(file);
        return 0;
    }
    for (const auto& s : sets) {
        // A field the format cannot carry is skipped with a warning; the others are written.
        if (file.setFieldUtf8(s.first->field, s.second.toStdString()) != 0)
            std::fprintf(stderr, "quillon: tags: this format has no field '%s', skipped\n",
                         s.first->name);
    }
    if (clearCover && file.removeCover() != 0)
        std::fprintf(stderr, "quillon: tags: this format carries no cover, skipped\n");
    if (!coverPath.isEmpty()) {
        QFile image(coverPath);
        if (!image.open(QIODevice::ReadOnly))
            return cli::fail(QStringLiteral("tags: cannot read '%1'").arg(coverPath));
        const QByteArray bytes = image.readAll();
        if (bytes.isEmpty())
            return cli::fail(QStringLiteral("tags: '%1' is empty").arg(coverPath));
        if (file.setCover(bytes.constData(), int(bytes.size()), 1) != 0)
            std::fprintf(stderr, "quillon: tags: this format carries no cover, skipped\n");
    }
    if (file.save() != 0)
        return cli::fail(QStringLiteral("tags: writing '%1' failed").arg(path));
    return 0;
}

cli::CommandRegistration reg{
    {"tags", "FILE [--set key=value ...] [--cover IMAGE] [--clear-cover]", &run}};

}  // namespace
