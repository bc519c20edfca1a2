# The lesson's worksheet as one HTML page to print or hand out (docs/lesson.html in the build
# folder), made from docs/lesson.md by Debian's python3-markdown when that is installed.
find_program(MORVANTA_SYSTEM_PYTHON python3 PATHS /usr/bin NO_DEFAULT_PATH)
if(MORVANTA_SYSTEM_PYTHON)
    execute_process(COMMAND ${MORVANTA_SYSTEM_PYTHON} -c "import markdown"
                    RESULT_VARIABLE markdown_missing OUTPUT_QUIET ERROR_QUIET)
endif()
if(NOT MORVANTA_SYSTEM_PYTHON OR NOT markdown_missing EQUAL 0)
    message(STATUS "python3-markdown not found: the worksheet's HTML page is not built")
    return()
endif()

set(worksheet_source ${PROJECT_SOURCE_DIR}/docs/lesson.md)
file(GLOB worksheet_pictures ${PROJECT_SOURCE_DIR}/docs/lesson-case-*.png)
add_custom_command(
    OUTPUT ${PROJECT_BINARY_DIR}/docs/lesson.html
    COMMAND ${CMAKE_COMMAND} -E make_directory ${PROJECT_BINARY_DIR}/docs
    COMMAND ${MORVANTA_SYSTEM_PYTHON} ${PROJECT_SOURCE_DIR}/docs/make_worksheet.py
            ${worksheet_source} ${PROJECT_BINARY_DIR}/docs/lesson.html
    DEPENDS ${worksheet_source} ${worksheet_pictures} ${PROJECT_SOURCE_DIR}/docs/make_worksheet.py
    COMMENT "The worksheet as one HTML page: docs/lesson.html"
    VERBATIM)
add_custom_target(worksheet ALL DEPENDS ${PROJECT_BINARY_DIR}/docs/lesson.html)
