# Every place that states the game's version states the project's (cmake -P, with VERSION and
# SOURCE given): the name and version the program gives Qt, the credits, the newest AppStream
# release and the newest Debian changelog entry.
include(${CMAKE_CURRENT_LIST_DIR}/../version_resource.cmake)
blastmap_version_text("${VERSION}" text)

function(expect file pattern what)
    file(READ "${SOURCE}/${file}" content)
    string(REGEX MATCH "${pattern}" found "${content}")
    if(NOT found)
        message(SEND_ERROR "${file} does not give ${what}")
    endif()
endfunction()

string(REPLACE "." "\\." version "${VERSION}")
string(REPLACE "." "\\." text "${text}")
expect(app/main.cpp "setApplicationName\\(QStringLiteral\\(\"Blastmap\"\\)\\)" "the name Blastmap")
expect(app/main.cpp "setApplicationVersion\\(QStringLiteral\\(\"${text}\"\\)\\)" "version ${text}")
expect(scene/texts.h "Blastmap Version ${version} " "version ${VERSION} in the credits")

# The newest entries come first in both.
file(READ "${SOURCE}/packaging/org.example.Blastmap.metainfo.xml" metainfo)
string(REGEX MATCH "<release version=\"([^\"]*)\"" found "${metainfo}")
if(NOT CMAKE_MATCH_1 STREQUAL VERSION)
    message(SEND_ERROR "the newest AppStream release is '${CMAKE_MATCH_1}', not ${VERSION}")
endif()
file(STRINGS "${SOURCE}/packaging/changelog" first LIMIT_COUNT 1)
if(NOT first MATCHES "^blastmap \\(${version}\\) ")
    message(SEND_ERROR "the changelog's newest entry is '${first}', not ${VERSION}")
endif()
