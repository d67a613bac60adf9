#pragma once

#include "page_filling/CategoryChooser.h"
#include "page_filling/FillReport.h"

#include <QJsonArray>

class CBrowserPage;
class QObject;

// Chooses by meaning the option of each category list of the page that is still unanswered or
// that the directory's rules gave a value none of its options has, from the selects the page
// told after the fill (category.js). A chosen list leaves "left for you"; a category list where
// nothing clearly fits stays as the page set it and is named there. Other selects are never
// touched.
void ChooseCategoryLists(CBrowserPage& page, const QJsonArray& lists,
                         const CategoryProfile& profile, QObject* context, FillReport& report);
