# Gathers the text ids that the program's sources name - ResString(n), SetTextId(w, n),
# TextIdOf(n) - into a C++ source with the sorted list, which start-up checks the language
# table against and the table's test reads. Run as a script:
#   cmake -DSOURCE_DIR=<tree> -DOUTPUT=<file.cpp> -DSTAMP=<file> -P used_text_ids.cmake
# The source is rewritten only when the list changed, so that editing code that names no
# new id rebuilds nothing.
set(ids)
foreach(dir shell link data views platform)
    file(GLOB_RECURSE sources ${SOURCE_DIR}/${dir}/*.cpp ${SOURCE_DIR}/${dir}/*.h)
    foreach(source IN LISTS sources)
        file(READ ${source} text)
        # A semicolon would split CMake's lists, and an argument holds none.
        string(REPLACE ";" " " text "${text}")
        string(REGEX MATCHALL
               "(ResString|SetTextId|TextIdOf)[ \t\r\n]*\\(([^,();]*,[ \t\r\n]*)?[0-9]+[ \t\r\n]*\\)"
               calls "${text}")
        foreach(call IN LISTS calls)
            string(REGEX REPLACE ".*[^0-9]([0-9]+)[ \t\r\n]*\\)$" "\\1" id "${call}")
            list(APPEND ids ${id})
        endforeach()
    endforeach()
endforeach()
list(REMOVE_DUPLICATES ids)
list(SORT ids COMPARE NATURAL)
list(JOIN ids ",\n    " body)
set(content "// Made by language/used_text_ids.cmake from the sources: do not edit.
#include \"core/language.h\"

namespace {
constexpr int Ids[] = {
    ${body},
};
} // namespace

std::span<const int> UsedTextIds() {
    return Ids;
}
")
file(WRITE ${OUTPUT}.new "${content}")
file(COPY_FILE ${OUTPUT}.new ${OUTPUT} ONLY_IF_DIFFERENT)
file(REMOVE ${OUTPUT}.new)
file(TOUCH ${STAMP})
