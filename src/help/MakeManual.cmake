# cmake "-DPAGES=a.html|b.html" -DLANGUAGE=en|zh_TW -DOUTPUT_DIR=dir -P MakeManual.cmake
# Each page of the manual is written as its body alone, starting with its
# <h1>; this puts every page in the same frame (title, style, links bar, in
# the page's language) and writes search-index.txt, every page's file, title
# and words, one page a line (see ManualSearch.h), for the search page, so the
# index never lags behind the pages.
set(body_class "")
if(LANGUAGE STREQUAL "zh_TW")
    set(html_language "zh-Hant-TW")
    # The page's characters in a face drawn for Taiwan (manual.css), whatever
    # the system's own language.
    set(body_class " class=\"zh-hant\"")
    set(links 首頁 連接血糖機 報告 您的資料 命令列 搜尋)
else()
    set(html_language "en")
    set(links Home "Connecting the meter" Reports "Your data" "Command line" Search)
endif()
set(link_names home connect reports data commandline search)
foreach(link text IN ZIP_LISTS link_names links)
    set(${link} "${text}")
endforeach()

set(entries "")
string(REPLACE "|" ";" pages "${PAGES}")
foreach(page IN LISTS pages)
    file(READ ${page} body)
    get_filename_component(name ${page} NAME)
    string(REGEX MATCH "<h1>([^<]*)</h1>" _ "${body}")
    set(title "${CMAKE_MATCH_1}")
    file(WRITE ${OUTPUT_DIR}/${name} "<!DOCTYPE html>
<html lang=\"${html_language}\">
<head>
<meta charset=\"utf-8\">
<title>${title}</title>
<link rel=\"stylesheet\" type=\"text/css\" href=\"manual.css\">
</head>
<body${body_class}>
<nav><a href=\"index.html\">${home}</a> · <a href=\"connect.html\">${connect}</a> ·
<a href=\"datalist.html\">${reports}</a> · <a href=\"data.html\">${data}</a> ·
<a href=\"commandline.html\">${commandline}</a> · <a href=\"search.html\">${search}</a></nav>
${body}</body>
</html>
")
    if(name STREQUAL "search.html")
        continue()
    endif()
    # A tag inside a line of text joins what it parts: Chinese has no spaces
    # between words, so "<b>血糖</b>機" is the text "血糖機". Any other tag
    # parts words.
    string(REGEX REPLACE "</?(a|b|i|em|strong|code|span)( [^>]*)?>" "" text "${body}")
    string(REGEX REPLACE "<[^>]*>" " " text "${text}")
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
