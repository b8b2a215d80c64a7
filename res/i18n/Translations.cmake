# The English catalogue. The program's texts are written in Chinese; each
# source folder has its English translations in res/i18n/<folder>_en.ts.
#
#   cmake --build build --target update_translations            every folder
#   cmake --build build --target update_translations_<folder>   one folder
#
# run lupdate over the folder's sources: new texts enter the .ts file as
# unfinished, texts no longer in the code leave it. lrelease builds the .ts
# files into .qm files that the program carries as resources (:/i18n/), and
# the catalogue test fails while any text lacks its translation.
find_package(Qt6 REQUIRED COMPONENTS LinguistTools)

set(ORVYN_TRANSLATED_FOLDERS
    analysis app controls csv database ledgers platform report res restore settings)
set(ORVYN_LUPDATE_OPTIONS
    -silent -locations none -no-obsolete -source-language zh_CN -target-language en_US)
set(ORVYN_TS_DIR ${PROJECT_SOURCE_DIR}/res/i18n)

set(ORVYN_TS_FILES)
foreach(folder ${ORVYN_TRANSLATED_FOLDERS})
  list(APPEND ORVYN_TS_FILES ${ORVYN_TS_DIR}/${folder}_en.ts)
endforeach()

# The .qm files, as resources of the given target.
function(orvyn_add_catalogue target)
  qt_add_lrelease(${target} TS_FILES ${ORVYN_TS_FILES} QM_FILES_OUTPUT_VARIABLE qm_files)
  qt_add_resources(${target} "orvyn_catalogue" PREFIX "/i18n" BASE ${CMAKE_CURRENT_BINARY_DIR}
                   FILES ${qm_files})
endfunction()

add_custom_target(update_translations)
foreach(folder ${ORVYN_TRANSLATED_FOLDERS})
  add_custom_target(update_translations_${folder}
    COMMAND Qt6::lupdate ${ORVYN_LUPDATE_OPTIONS} ${PROJECT_SOURCE_DIR}/${folder}
            -ts ${ORVYN_TS_DIR}/${folder}_en.ts
    COMMENT "Updating res/i18n/${folder}_en.ts"
    VERBATIM)
  add_dependencies(update_translations update_translations_${folder})
endforeach()
