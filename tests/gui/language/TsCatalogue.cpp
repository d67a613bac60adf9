#include "gui/language/TsCatalogue.h"

#include <QDir>
#include <QFile>
#include <QXmlStreamReader>
#include <algorithm>

namespace {

TsMessage ReadMessage(QXmlStreamReader& xml, const QString& context)
{
    TsMessage message{context, {}, {}, false, {}, false};
    message.counted = xml.attributes().value(QLatin1String("numerus")) == QLatin1String("yes");
    bool unfinished = false;
    while (xml.readNextStartElement()) {
        if (xml.name() == QLatin1String("source")) {
            message.source = xml.readElementText();
        } else if (xml.name() == QLatin1String("comment")) {
            message.comment = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation")) {
            unfinished = !xml.attributes().value(QLatin1String("type")).isEmpty();
            // Either the text itself or one <numerusform> per plural form.
            QString text;
            while (!xml.atEnd()) {
                xml.readNext();
                if (xml.isCharacters())
                    text += xml.text();
                else if (xml.isStartElement() && xml.name() == QLatin1String("numerusform"))
                    message.translations.append(xml.readElementText());
                else if (xml.isEndElement() && xml.name() == QLatin1String("translation"))
                    break;
            }
            if (message.translations.isEmpty())
                message.translations.append(text);
        } else {
            xml.skipCurrentElement();
        }
    }
    message.finished = !unfinished && !message.translations.isEmpty() &&
                       std::none_of(message.translations.begin(), message.translations.end(),
                                    [](const QString& text) { return text.isEmpty(); });
    return message;
}

} // namespace

QStringList TsFiles()
{
    const QDir folder(QStringLiteral(KESTRINE_TRANSLATIONS_DIR));
    QStringList files;
    for (const QString& name : folder.entryList({QStringLiteral("kestrine_*.ts")}, QDir::Files))
        files.append(folder.filePath(name));
    return files;
}

TsCatalogue ReadTsFile(const QString& path)
{
    TsCatalogue catalogue{path, {}, {}};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        catalogue.error = file.errorString();
        return catalogue;
    }
    QXmlStreamReader xml(&file);
    if (!xml.readNextStartElement() || xml.name() != QLatin1String("TS")) {
        catalogue.error = QStringLiteral("not a Qt Linguist catalogue");
        return catalogue;
    }
    while (xml.readNextStartElement()) {
        if (xml.name() != QLatin1String("context")) {
            xml.skipCurrentElement();
            continue;
        }
        QString context;
        while (xml.readNextStartElement()) {
            if (xml.name() == QLatin1String("name"))
                context = xml.readElementText();
            else if (xml.name() == QLatin1String("message"))
                catalogue.messages.append(ReadMessage(xml, context));
            else
                xml.skipCurrentElement();
        }
    }
    if (xml.hasError())
        catalogue.error = xml.errorString();
    return catalogue;
}
