#pragma once

#include "page_filling/PageDescription.h"

#include <functional>
#include <string>

class CBrowserPage;
class QJsonObject;
class QObject;

// Asks the page shown what it is made of, through Kestrine's scripts in its isolated world.
// Answers come later on this thread, and only while `context` exists and the page still shows
// the document that was asked.
class CPageDescriber final
{
public:
    explicit CPageDescriber(CBrowserPage& page);

    // The page's title, address and fillable fields, those of the frames the user sees included.
    void Describe(QObject* context, std::function<void(const PageDescription&)> done) const;
    // The text the page greets with, as it stands in the page (its main heading, else its
    // first prominent message); empty when it has none.
    void ReadGreeting(QObject* context, std::function<void(const std::string&)> done) const;

private:
    CBrowserPage& m_page;
};

// The page's description from the JSON its describing script answers with.
PageDescription PageDescriptionFromJson(const QJsonObject& json);
