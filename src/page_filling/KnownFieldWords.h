#pragma once

#include "page_filling/FieldWords.h"

// The words of every language known, from all the field words files compiled in.
const FieldWords& KnownFieldWords();
