# Writes OUTPUT, a C++ source that defines FUNCTION() (FieldWordTexts() unless told), declared in
# HEADER, with the text of every *.words file in FOLDER, sorted by name. Run by the build as
# "cmake -DFOLDER=… -DOUTPUT=… [-DFUNCTION=… -DHEADER=…] -P".
if(NOT FUNCTION)
    set(FUNCTION "FieldWordTexts")
    set(HEADER "page_filling/FieldWordTexts.h")
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

constexpr FieldWordText kTexts[] = {
${entries}};

} // namespace

std::span<const FieldWordText> ${FUNCTION}()
{
    return kTexts;
}
")
