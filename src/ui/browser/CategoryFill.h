#pragma once

#include "page_filling/CategoryChooser.h"
#include "page_filling/FillReport.h"

#include <QJsonArray>
#include <functional>
#include <optional>
#include <string>

class CBrowserPage;
class QObject;

// The option the user chose by hand, the last time, on the category list of this name (the
// select's name, else its id).
using ChosenCategory = std::function<std::optional<CategoryOption>(const std::string& list)>;

// Chooses the option of each category list of the page that is still unanswered or that the
// directory's rules gave a value none of its options has, from the selects the page told after
// the fill (category.js): the one the user chose by hand last time where the list still has it,
// else the one that means the profile's category. A chosen list leaves "left for you"; a
// category list where nothing clearly fits stays as the page set it and is named there. Other
// selects are never touched. The page tells the user's later picks on these lists.
void ChooseCategoryLists(CBrowserPage& page, const QJsonArray& lists,
                         const CategoryProfile& profile, const ChosenCategory& chosenBefore,
                         QObject* context, FillReport& report);
