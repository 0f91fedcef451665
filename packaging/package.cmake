# CPack settings: `cpack -G DEB` packs the installed tree as blastmap_<version>_<arch>.deb.
set(CPACK_PACKAGE_NAME blastmap)
set(CPACK_PACKAGE_VENDOR "The Blastmap developers")
set(CPACK_PACKAGE_CONTACT "The Blastmap developers <blastmap@example.org>")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "reflex game: hit the tyrant on the map, spare the civilians")
# Lines of at most 80 characters, as Debian's description wants, and no semicolon: CPack would
# take it for a list separator.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
    "A map of Iraq fills the window. A tyrant's head pops up at one of thirteen"
    "spots at random moments and hides again a moment later. Click him while he"
    "shows and you get him. Click bare map and an explosion goes off there."
    "Tick Civilian and two civilians jump between the same spots: do not hit"
    "them. A scroll bar sets how long the target stays up. There is no score and"
    "no end.")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_GENERATOR DEB)
set(CPACK_SOURCE_GENERATOR TXZ)
set(CPACK_SOURCE_IGNORE_FILES "/\\\\.git/" "/build[^/]*/" "/\\\\.cache/")

# Installed for /usr, the binaries stripped (Debian ships debug symbols apart), and folders
# 0755 whatever the umask of the machine that packs.
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://example.org/blastmap)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's Wayland platform: without it the program runs on a Wayland desktop only through XWayland.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-wayland)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)

include(CPack)
