#pragma once

#include <functional>

class CBrowserPage;
class QObject;

// Where the caret went when the program put it into a filled page for the user.
enum class CaretPlace
{
    Field,        // the first field left for the user, scrolled into view
    SubmitButton, // nothing is left: the form's submit button, so that Enter submits
    InFrame,      // the filled form stands in a frame, whose own scripts place the caret
    KeptByUser,   // the user has clicked or typed into the page: the caret stays theirs
    Nowhere,      // the page has no filled form
};

// Puts the caret where the user's part of the page's last fill begins. `done` runs only while
// `context` exists and the page still shows the document it was asked of.
void PlaceCaretForUser(CBrowserPage& page, QObject* context,
                       std::function<void(CaretPlace place)> done);
