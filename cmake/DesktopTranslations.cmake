# The menu entry's and the software centre's texts in other languages, kept in
# translations/desktop-entry.ini beside the catalogues: one group per language, keys Name,
# GenericName, Comment and Keywords (kestrine.desktop), Summary, ParagraphN and ItemN (the
# AppStream summary and the description's paragraphs and list items, in their order). A key
# left empty keeps the English text.

# Reads `ini` into <prefix>_LANGUAGES and <prefix>_<language>_<key>.
function(kestrine_read_desktop_translations ini prefix)
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${ini})
    file(STRINGS ${ini} lines ENCODING UTF-8)
    set(languages "")
    set(language "")
    foreach(line IN LISTS lines)
        if(line MATCHES "^[ \t]*(#|$)")
            continue()
        elseif(line MATCHES "^\\[([A-Za-z_]+)\\]$")
            set(language ${CMAKE_MATCH_1})
            list(APPEND languages ${language})
        elseif(language AND line MATCHES
               "^(Name|GenericName|Comment|Keywords|Summary|Paragraph[1-9]|Item[1-9])=(.*)$")
            set(${prefix}_${language}_${CMAKE_MATCH_1} "${CMAKE_MATCH_2}" PARENT_SCOPE)
        else()
            message(FATAL_ERROR "${ini}: cannot read the line '${line}'")
        endif()
    endforeach()
    set(${prefix}_LANGUAGES ${languages} PARENT_SCOPE)
endfunction()

# Writes `output`: the desktop entry `input` with Key[language]= after each translated key.
function(kestrine_localize_desktop_entry input output prefix)
    file(STRINGS ${input} lines ENCODING UTF-8)
    set(text "")
    foreach(line IN LISTS lines)
        string(APPEND text "${line}\n")
        if(line MATCHES "^(Name|GenericName|Comment|Keywords)=")
            set(key ${CMAKE_MATCH_1})
            foreach(language IN LISTS ${prefix}_LANGUAGES)
                if(NOT "${${prefix}_${language}_${key}}" STREQUAL "")
                    string(APPEND text "${key}[${language}]=${${prefix}_${language}_${key}}\n")
                endif()
            endforeach()
        endif()
    endforeach()
    file(WRITE ${output} "${text}")
endfunction()

# Text as XML character data.
function(kestrine_xml_escape value out)
    string(REPLACE "&" "&amp;" value "${value}")
    string(REPLACE "<" "&lt;" value "${value}")
    set(${out} "${value}" PARENT_SCOPE)
endfunction()

# In `text`, after each English <element> (summary, p, li, keyword), a copy per language that
# translates it: `key` names its translation, with the element's number (1, 2, …) after it
# where `numbered`.
function(kestrine_add_translated_elements text element key numbered prefix out)
    # The text's own semicolons would split CMake's list of the elements found.
    string(REPLACE ";" "@SEMICOLON@" text "${text}")
    string(REGEX MATCHALL "[ ]*<${element}>[^<]*</${element}>\n" originals "${text}")
    set(number 0)
    foreach(original IN LISTS originals)
        math(EXPR number "${number} + 1")
        string(REGEX MATCH "^[ ]*" indent "${original}")
        set(name ${key})
        if(numbered)
            set(name ${key}${number})
        endif()
        set(translated "${original}")
        foreach(language IN LISTS ${prefix}_LANGUAGES)
            set(value "${${prefix}_${language}_${name}}")
            if(NOT value STREQUAL "")
                kestrine_xml_escape("${value}" value)
                string(REPLACE ";" "@SEMICOLON@" value "${value}")
                string(APPEND translated
                    "${indent}<${element} xml:lang=\"${language}\">${value}</${element}>\n")
            endif()
        endforeach()
        string(REPLACE "${original}" "${translated}" text "${text}")
    endforeach()
    string(REPLACE "@SEMICOLON@" ";" text "${text}")
    set(${out} "${text}" PARENT_SCOPE)
endfunction()

# Writes `output`: the metainfo file `input` with the summary, the description's paragraphs and
# list items and the keywords in every language that translates them (xml:lang).
function(kestrine_localize_metainfo input output prefix)
    file(READ ${input} text)
    # Each paragraph on one line, as the translations are, so that each is found whole.
    string(REGEX REPLACE "<p>[ \n]*([^<]*[^ \n<])[ \n]*</p>" "<p>\\1</p>" text "${text}")
    string(REGEX REPLACE "\n[ ]+([^ <])" " \\1" text "${text}")
    kestrine_add_translated_elements("${text}" summary Summary FALSE ${prefix} text)
    kestrine_add_translated_elements("${text}" p Paragraph TRUE ${prefix} text)
    kestrine_add_translated_elements("${text}" li Item TRUE ${prefix} text)
    # The keywords, one element each, from the entry's list.
    foreach(language IN LISTS ${prefix}_LANGUAGES)
        string(REPLACE ";" "\n" keywords "${${prefix}_${language}_Keywords}")
        string(STRIP "${keywords}" keywords)
        if(NOT keywords STREQUAL "")
            string(REPLACE "\n" ";" keywords "${keywords}")
            foreach(keyword IN LISTS keywords)
                kestrine_xml_escape("${keyword}" keyword)
                string(APPEND translated_keywords
                    "    <keyword xml:lang=\"${language}\">${keyword}</keyword>\n")
            endforeach()
        endif()
    endforeach()
    string(REPLACE "  </keywords>" "${translated_keywords}  </keywords>" text "${text}")
    file(WRITE ${output} "${text}")
endfunction()
