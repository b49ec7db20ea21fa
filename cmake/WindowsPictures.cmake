# The program's pictures where Qt has no SVG module (the Windows build, or any
# build configured with -DDEXTREL_PNG_PICTURES=ON): PNG renditions of the SVG
# files, and the program's icon file, rendered at build time by the Linux
# build's tools/windows-pictures (`make windows` builds it first).

set(DEXTREL_LINUX_BUILD ${PROJECT_SOURCE_DIR}/build CACHE PATH "The Linux build whose tools and programs the Windows build uses")
# The sides the pictures are rendered at: the sizes the windows ask for, and
# twice the page pictures' for screens at 200 %.
set(DEXTREL_PICTURE_SIDES 16 24 32 48 64 96 128 192)

# The tool as a custom command runs it, and what the command then depends on.
function(dextrel_picture_tool out depends)
    if(TARGET windows-pictures)
        set(${out} windows-pictures PARENT_SCOPE)
        set(${depends} windows-pictures PARENT_SCOPE)
    else()
        set(${out} ${DEXTREL_LINUX_BUILD}/tools/windows-pictures/windows-pictures PARENT_SCOPE)
        set(${depends} ${DEXTREL_LINUX_BUILD}/tools/windows-pictures/windows-pictures PARENT_SCOPE)
    endif()
endfunction()

# dextrel_png_pictures(TARGET SVG...): ":/images/<name>-<side>.png" for every SVG
# file (relative to the current source folder) and side, in TARGET's resources.
function(dextrel_png_pictures target)
    dextrel_picture_tool(tool tool_depends)
    set(out ${CMAKE_CURRENT_BINARY_DIR}/png-pictures)
    set(pngs "")
    foreach(svg IN LISTS ARGN)
        get_filename_component(name ${svg} NAME_WE)
        set(renditions "")
        foreach(side IN LISTS DEXTREL_PICTURE_SIDES)
            list(APPEND renditions ${out}/${name}-${side}.png)
            set_source_files_properties(${out}/${name}-${side}.png PROPERTIES QT_RESOURCE_ALIAS images/${name}-${side}.png)
        endforeach()
        add_custom_command(OUTPUT ${renditions}
            COMMAND ${CMAKE_COMMAND} -E make_directory ${out}
            COMMAND ${tool} png ${CMAKE_CURRENT_SOURCE_DIR}/${svg} ${out} ${name} ${DEXTREL_PICTURE_SIDES}
            DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${svg} ${tool_depends}
            COMMENT "Rendering ${name} as PNG" VERBATIM)
        list(APPEND pngs ${renditions})
    endforeach()
    qt_add_resources(${target} "png-pictures" PREFIX "/" FILES ${pngs})
    list(JOIN DEXTREL_PICTURE_SIDES "," sides)
    target_compile_definitions(${target} PRIVATE DEXTREL_PNG_PICTURE_SIDES=${sides})
endfunction()

# ${CMAKE_BINARY_DIR}/dextrel.ico: the program's icon (desktop/) at every size
# Windows shows it, for the program file, the Start menu and the installer.
function(dextrel_windows_icon out)
    dextrel_picture_tool(tool tool_depends)
    set(ico ${CMAKE_BINARY_DIR}/dextrel.ico)
    add_custom_command(OUTPUT ${ico}
        COMMAND ${tool} ico ${PROJECT_SOURCE_DIR}/desktop/org.dextrel.dextrel.svg ${ico} 16 20 24 32 40 48 64 128 256
        DEPENDS ${PROJECT_SOURCE_DIR}/desktop/org.dextrel.dextrel.svg ${tool_depends}
        COMMENT "Making the program's icon file" VERBATIM)
    set(${out} ${ico} PARENT_SCOPE)
endfunction()
