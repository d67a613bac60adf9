// Shows every page of the form corpus in the program's browser, classifies its fields as the
// program does, and judges the meanings found by the corpus's annotations. Not run by CI: the
// whole corpus takes minutes.
//
//   form_corpus_report [--corpus FOLDER] [--only TEXT] [--misses] [--save FILE | --load FILE]
//
// --save keeps what the browser described, --load judges that again without a browser: for
// changes to the classifier alone, which then take seconds to measure.
#include "Scorecard.h"
#include "page_filling/FieldClassifier.h"
#include "support/CorpusBrowser.h"
#include "support/CorpusVerdict.h"
#include "support/FormCorpus.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFile>
#include <QJsonDocument>
#include <iostream>

namespace {

constexpr int kPageTimeoutMs = 20000;

using ReadPage = CCorpusBrowser::ReadPage;

// The pages described in an earlier run, by file; nullopt when there is no such file.
std::optional<std::map<std::string, ReadPage>> LoadPages(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QJsonObject saved = QJsonDocument::fromJson(file.readAll()).object();
    std::map<std::string, ReadPage> pages;
    for (auto page = saved.begin(); page != saved.end(); ++page)
        pages.emplace(page.key().toStdString(), ReadPage::FromJson(page.value().toObject()));
    return pages;
}

bool SavePages(const QString& path, const std::map<std::string, ReadPage>& pages)
{
    QJsonObject saved;
    for (const auto& [file, page] : pages)
        saved.insert(QString::fromStdString(file), page.json);
    QFile file(path);
    return file.open(QIODevice::WriteOnly) &&
           file.write(QJsonDocument(saved).toJson(QJsonDocument::Compact)) > 0;
}

void PrintFields(std::ostream& out, const std::string& file,
                 const std::vector<FieldDescriptor>& fields,
                 const std::vector<FieldClassification>& classes)
{
    out << file << '\n';
    for (size_t i = 0; i < fields.size(); ++i) {
        const FieldDescriptor& field = fields[i];
        out << "  form " << field.form << ' ' << field.tag << '/' << field.type << " name=\""
            << field.name << "\" label=\"" << field.label << "\" placeholder=\""
            << field.placeholder << "\" nearby=\"" << field.nearbyText << "\" title=\""
            << field.title << "\" -> " << MeaningText(classes[i].meaning) << ' '
            << classes[i].confidence << '\n';
    }
}

} // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Judges the meanings Kestrine finds in the form corpus's fields."));
    parser.addHelpOption();
    const QCommandLineOption corpus(QStringLiteral("corpus"), QStringLiteral("The corpus folder."),
                                    QStringLiteral("folder"),
                                    QStringLiteral(KESTRINE_FORM_CORPUS_DIR));
    const QCommandLineOption only(QStringLiteral("only"),
                                  QStringLiteral("Only pages whose file name holds this text."),
                                  QStringLiteral("text"));
    const QCommandLineOption misses(QStringLiteral("misses"),
                                    QStringLiteral("Also list the answerable fields missed."));
    const QCommandLineOption save(QStringLiteral("save"),
                                  QStringLiteral("Keep what the browser described in this file."),
                                  QStringLiteral("file"));
    const QCommandLineOption load(
        QStringLiteral("load"),
        QStringLiteral("Judge what an earlier run kept in this file instead of browsing."),
        QStringLiteral("file"));
    const QCommandLineOption fields(
        QStringLiteral("fields"), QStringLiteral("Also print every field read, with its meaning."));
    parser.addOptions({corpus, only, misses, save, load, fields});
    parser.process(application);

    const std::string folder = parser.value(corpus).toStdString();
    const auto pages = ReadCorpusIndex(folder);
    const auto table = CAnnotationTable::Read(KESTRINE_ANNOTATION_TYPES);
    if (!pages || !table) {
        std::cerr << (pages ? "The annotation table cannot be read: " KESTRINE_ANNOTATION_TYPES
                            : "No form corpus in " + folder)
                  << '\n';
        return 2;
    }

    std::map<std::string, ReadPage> read;
    std::unique_ptr<CCorpusBrowser> browser;
    if (parser.isSet(load)) {
        auto loaded = LoadPages(parser.value(load));
        if (!loaded) {
            std::cerr << "Cannot read " << parser.value(load).toStdString() << '\n';
            return 2;
        }
        read = std::move(*loaded);
    } else {
        browser = std::make_unique<CCorpusBrowser>(folder);
    }

    CScorecard scorecard;
    const CFieldClassifier classifier;
    const std::string filter = parser.value(only).toStdString();
    for (const CorpusPage& page : *pages) {
        if (!filter.empty() && page.file.find(filter) == std::string::npos)
            continue;
        if (browser) {
            if (auto shown = browser->Read(page.file, kPageTimeoutMs))
                read.emplace(page.file, std::move(*shown));
            if (read.size() % 50 == 0)
                std::cerr << read.size() << " pages read\n";
        }
        const auto shown = read.find(page.file);
        if (shown == read.end()) {
            scorecard.AddUnread(page.file);
            continue;
        }
        const std::vector<FieldDescriptor>& described = shown->second.description.fields;
        const auto classes = classifier.ClassifyPage(shown->second.description);
        if (parser.isSet(fields))
            PrintFields(std::cout, page.file, described, classes);
        scorecard.Add(page.file,
                      JudgePage(page, described, shown->second.corpusFormOf, classes, *table),
                      described);
    }
    if (parser.isSet(save) && !SavePages(parser.value(save), read)) {
        std::cerr << "Cannot write " << parser.value(save).toStdString() << '\n';
        return 2;
    }
    return scorecard.Print(std::cout, parser.isSet(misses)) ? 0 : 1;
}
