# The Debian package, built by `make package` (cpack -G DEB). Its library
# dependencies are read from the program's shared libraries; the faces the
# program maps its font names onto and the platform plugins of the toolkit
# (loaded at run time) are named by hand, since nothing links them.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kavenor)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Kavenor developers")
# The project has no public mail address yet: the reserved .invalid domain
# says so instead of inventing one.
set(CPACK_PACKAGE_CONTACT "Kavenor developers <maintainers@kavenor.invalid>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "interactive course on the mechanics of soils")
set(CPACK_PACKAGE_DESCRIPTION
    "Kavenor is a short course on soil mechanics for students of civil
engineering. Its menu opens 36 lessons in seven chapters: soil composition,
stresses, groundwater flow, compression and consolidation, shear strength,
earth pressure, and foundations and field testing. Each lesson shows an
animated or static figure beside a summary of its theory.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-liberation2, fonts-ebgaramond, fonts-dejavu-core")
# The toolkit's Wayland plugin: in a Wayland session the program runs there
# natively, not through XWayland (or not at all where there is none). A
# system with X11 alone may leave it out, hence not a dependency.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland")
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS OFF)
include(CPack)
