# Our pictures are drawn as SVG (resources/art) and shown as PNG: the build renders
# each at its own size and at twice it (tools/render_art.cpp), so that the program
# parses no SVG while it starts. A picture's resource name is ":/art/NAME.png";
# the tree's image list is ":/ImageList1/INDEX.png".

set(COURSEWARE_ARTWORK
    app-icon
    logo
    titlebar/stripes-left titlebar/stripes-client titlebar/stripes-right
    titlebar/orb-controlbox-normal titlebar/orb-controlbox-hover titlebar/orb-controlbox-pressed
    titlebar/orb-close-normal titlebar/orb-close-hover titlebar/orb-close-pressed
    titlebar/orb-maximize-normal titlebar/orb-maximize-hover titlebar/orb-maximize-pressed
    titlebar/orb-minimize-normal titlebar/orb-minimize-hover titlebar/orb-minimize-pressed
    glyphs/bar-chart glyphs/pentagon glyphs/video-camera glyphs/open-book
    glyphs/magnifier-window glyphs/smiley glyphs/person-computer glyphs/question-mark)

# In the order of their indices.
set(COURSEWARE_IMAGE_LIST
    tree/00-books tree/01-books-colored tree/02-book-stack tree/03-document-e tree/04-framed-sheet
    tree/05-pages tree/06-bars tree/07-abc tree/08-arrows tree/09-smiley tree/10-film
    tree/11-return-arrow tree/12-penguin)

# Renders one drawing to RESOURCE.png and RESOURCE@2x.png and lists both for the
# resource file (in the caller's art_folder and entries).
macro(render_picture drawing resource)
    set(source ${PROJECT_SOURCE_DIR}/resources/art/${drawing}.svg)
    set(output ${art_folder}/${resource}.png)
    get_filename_component(output_folder ${output} DIRECTORY)
    add_custom_command(OUTPUT ${output} ${art_folder}/${resource}@2x.png
        COMMAND ${CMAKE_COMMAND} -E make_directory ${output_folder}
        COMMAND render_art ${source} ${output}
        DEPENDS render_art ${source}
        VERBATIM)
    string(APPEND entries "  <file>${resource}.png</file>\n  <file>${resource}@2x.png</file>\n")
endmacro()

# Renders the pictures and compiles them into a resource; the generated sources
# go to OUTPUT_SOURCES.
function(add_rendered_artwork output_sources)
    set(art_folder ${CMAKE_CURRENT_BINARY_DIR}/artwork)
    set(entries)
    foreach(name IN LISTS COURSEWARE_ARTWORK)
        render_picture(${name} art/${name})
    endforeach()
    set(index 0)
    foreach(name IN LISTS COURSEWARE_IMAGE_LIST)
        render_picture(${name} ImageList1/${index})
        math(EXPR index "${index} + 1")
    endforeach()

    set(resource_file ${art_folder}/artwork.qrc)
    file(WRITE ${resource_file}.in "<!DOCTYPE RCC>\n<RCC version=\"1.0\">\n <qresource prefix=\"/\">\n${entries} </qresource>\n</RCC>\n")
    # Rewritten only when the list changes, so that the resource is not rebuilt at every configure.
    configure_file(${resource_file}.in ${resource_file} COPYONLY)
    qt6_add_resources(resource_sources ${resource_file})
    set(${output_sources} ${resource_sources} PARENT_SCOPE)
endfunction()
