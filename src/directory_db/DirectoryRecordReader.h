#pragma once

#include "directory_db/DirectoryRecord.h"

#include <optional>
#include <string>

class CDatabaseDocument;
class MessagePresenter;

// What the document holds about the directory `name`, gathered as the queries gather it: the
// address and the confirmation text of the first element that has them, the items and
// variables of every element of the name. Field values keep their variable names; an item
// that leaves an attribute out gets the one the item before it had, written out in full.
// nullopt when no directory has the name.
std::optional<DirectoryRecord> ReadDirectoryRecord(const CDatabaseDocument& document,
                                                   const std::string& name,
                                                   MessagePresenter& presenter);
