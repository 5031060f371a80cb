# The library's texts in other languages than Chinese: translations/welldata_<language>.ts,
# Qt translation sources whose source texts are the Chinese texts of the code
# and the .ui files (scripts/update-translations.sh refreshes them from the
# code). lrelease builds each into a catalogue that the library carries as a
# resource, ":/i18n/welldata_<language>.qm".
find_program(WELLDATA_LRELEASE NAMES lrelease lrelease-qt6
             HINTS "${QT6_INSTALL_PREFIX}/${QT6_INSTALL_BINS}" /usr/lib/qt6/bin
             DOC "Qt's lrelease (Debian: qt6-l10n-tools)" REQUIRED)
file(GLOB WELLDATA_TRANSLATION_SOURCES CONFIGURE_DEPENDS
     ${PROJECT_SOURCE_DIR}/translations/welldata_*.ts)
set(catalogue_dir ${PROJECT_BINARY_DIR}/translations)
set(catalogues "")
foreach(source ${WELLDATA_TRANSLATION_SOURCES})
    get_filename_component(name ${source} NAME_WE)
    set(catalogue ${catalogue_dir}/${name}.qm)
    add_custom_command(OUTPUT ${catalogue}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${catalogue_dir}
        COMMAND ${WELLDATA_LRELEASE} -silent ${source} -qm ${catalogue}
        DEPENDS ${source}
        COMMENT "Building the translation catalogue ${name}.qm"
        VERBATIM)
    list(APPEND catalogues ${catalogue})
endforeach()
set_source_files_properties(${catalogues} PROPERTIES GENERATED TRUE)
qt_add_resources(welldata_gui welldata_translations
    PREFIX /i18n BASE ${catalogue_dir} FILES ${catalogues})
