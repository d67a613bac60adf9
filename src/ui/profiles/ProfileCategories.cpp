#include "ui/profiles/ProfileCategories.h"

#include "page_filling/CategoryChooser.h"

#include <vector>

namespace {

// In the order in which they are offered; the box sorts them.
constexpr std::string_view kCategories[] = {
    "Accounting",
    "Aerospace and Defense",
    "Agriculture and Forestry",
    "Arts",
    "Entertainment",
    "Associations",
    "Automotive",
    "Biotechnology and Pharmaceuticals",
    "Business",
    "Society",
    "Business Services",
    "Chemicals",
    "Construction and Maintenance",
    "Consumer Goods and Services",
    "Cooperatives",
    "Customer Service",
    "Directories",
    "E-Commerce",
    "Education and Training",
    "Electronics and Electrical",
    "Employment",
    "Energy and Environment",
    "Financial Services",
    "Food and Related Products",
    "Healthcare",
    "Hospitality",
    "Human Resources",
    "Industrial Goods and Services",
    "Information Technology",
    "International Business and Trade",
    "Investing",
    "Major Companies",
    "Management",
    "Marketing and Advertising",
    "Mining and Drilling",
    "News and Media",
    "Opportunities",
    "Publishing and Printing",
    "Real Estate",
    "Resources",
    "Retail Trade",
    "Small Business",
    "Telecommunications",
    "Textiles and Nonwovens",
    "Transportation and Logistics",
    "Wholesale Trade",
};

} // namespace

std::span<const std::string_view> OfferedCategories()
{
    return kCategories;
}

std::string ProposedCategory(const std::string& category, const std::string& subcategory)
{
    std::vector<CategoryOption> offered;
    for (const std::string_view name : kCategories)
        offered.push_back({std::string(name), std::string(name), {}});
    CategoryProfile profile;
    profile.category = category;
    profile.subcategory = subcategory;
    const CategoryChoice choice = ChooseCategory(offered, profile);
    return choice.IsChosen() ? offered[static_cast<size_t>(choice.option)].text : category;
}
