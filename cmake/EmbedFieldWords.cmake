# Writes OUTPUT, a C++ source that defines FieldWordTexts() with the text of every *.words file
# in FOLDER, sorted by name. Run by the build as "cmake -DFOLDER=… -DOUTPUT=… -P". Other word
# lists use it too, naming their own HEADER (which declares the entry type and the function),
# FUNCTION and ENTRY_TYPE.
if(NOT DEFINED HEADER)
    set(HEADER "page_filling/FieldWordTexts.h")
endif()
if(NOT DEFINED FUNCTION)
    set(FUNCTION "FieldWordTexts")
endif()
if(NOT DEFINED ENTRY_TYPE)
    set(ENTRY_TYPE "FieldWordText")
endif()
file(GLOB files RELATIVE "${FOLDER}" "${FOLDER}/*.words")
if(NOT files)
    message(FATAL_ERROR "${FOLDER} holds no *.words file")
endif()
list(SORT files)
set(delimiter "field_words")
set(entries "")
foreach(file IN LISTS files)
    file(READ "${FOLDER}/${file}" text)
    string(FIND "${text}" ")${delimiter}\"" clash)
    if(NOT clash EQUAL -1)
        message(FATAL_ERROR "${file} holds \")${delimiter}\"\", which ends the text compiled in")
    endif()
    string(APPEND entries "    {\"${file}\", R\"${delimiter}(${text})${delimiter}\"},\n")
endforeach()
file(WRITE "${OUTPUT}" "// Written by the build from the words files: edit those, not this one.
#include \"${HEADER}\"

namespace {

constexpr ${ENTRY_TYPE} kTexts[] = {
${entries}};

} // namespace

std::span<const ${ENTRY_TYPE}> ${FUNCTION}()
{
    return kTexts;
}
")
