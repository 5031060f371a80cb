# Texts in another language than the one the code is written in: Qt
# translation sources in translations/ (scripts/update-translations.sh
# refreshes them from the code). lrelease builds each into a catalogue that
# the target carries as a resource, ":/i18n/<name>.qm".
#   the library: translations/welldata_<language>.ts, from its Chinese texts;
#   the desktop viewer: translations/welldata-viewer_<language>.ts, from its
#   English texts.
find_program(WELLDATA_LRELEASE NAMES lrelease lrelease-qt6
             HINTS "${QT6_INSTALL_PREFIX}/${QT6_INSTALL_BINS}" /usr/lib/qt6/bin
             DOC "Qt's lrelease (Debian: qt6-l10n-tools)" REQUIRED)

# Builds the translation sources matching `pattern` (in translations/) into
# catalogues and adds them to `target` as the resource `resource_name`.
function(welldata_add_translations target resource_name pattern)
    file(GLOB sources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/translations/${pattern})
    set(catalogue_dir ${PROJECT_BINARY_DIR}/translations)
    set(catalogues "")
    foreach(source ${sources})
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
    qt_add_resources(${target} ${resource_name}
        PREFIX /i18n BASE ${catalogue_dir} FILES ${catalogues})
endfunction()

welldata_add_translations(welldata_gui welldata_translations "welldata_*.ts")
