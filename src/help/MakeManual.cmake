# cmake "-DPAGES=a.html|b.html" -DOUTPUT_DIR=dir -P MakeManual.cmake
# Each page of the manual is written as its body alone, starting with its
# <h1>; this puts every page in the same frame (title, style, links bar) and
# writes search-index.txt, every page's file, title and words, one page a line
# (see ManualSearch.h), for the search page, so the index never lags behind the
# pages.
set(entries "")
string(REPLACE "|" ";" pages "${PAGES}")
foreach(page IN LISTS pages)
    file(READ ${page} body)
    get_filename_component(name ${page} NAME)
    string(REGEX MATCH "<h1>([^<]*)</h1>" _ "${body}")
    set(title "${CMAKE_MATCH_1}")
    file(WRITE ${OUTPUT_DIR}/${name} "<!DOCTYPE html>
<html lang=\"en\">
<head>
<meta charset=\"utf-8\">
<title>${title}</title>
<link rel=\"stylesheet\" type=\"text/css\" href=\"manual.css\">
</head>
<body>
<nav><a href=\"index.html\">Home</a> · <a href=\"connect.html\">Connecting the meter</a> ·
<a href=\"datalist.html\">Reports</a> · <a href=\"data.html\">Your data</a> ·
<a href=\"commandline.html\">Command line</a> · <a href=\"search.html\">Search</a></nav>
${body}</body>
</html>
")
    if(name STREQUAL "search.html")
        continue()
    endif()
    string(REGEX REPLACE "<[^>]*>" " " text "${body}")
    string(REPLACE "&amp;" "&" text "${text}")
    string(REPLACE "&lt;" "<" text "${text}")
    string(REPLACE "&gt;" ">" text "${text}")
    # Tabs and line ends apart the index's fields and lines: none is left inside one.
    foreach(var title text)
        string(REGEX REPLACE "[ \t\r\n]+" " " ${var} "${${var}}")
        string(STRIP "${${var}}" ${var})
    endforeach()
    string(APPEND entries "${name}\t${title}\t${text}\n")
endforeach()
file(WRITE ${OUTPUT_DIR}/search-index.txt "${entries}")
