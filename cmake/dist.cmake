# Makes the release from the program folder, at build time (cmake -P):
#   DIST/pyrafix-setup.exe       the installer (NSIS)
#   DIST/pyrafix-VERSION.zip     the same files in a folder "Pyrafix Pro", for people who
#                                do not install
# Both take their files from one staged copy, so they cannot differ. Variables:
# BIN (the program folder), DIST, STAGE (a work folder), NSI, ICON, MAKENSIS,
# DISPLAY_VERSION, VERSION_MAJOR, ZIP_VERSION.

# What a user needs: the programs, their data, and every language file the build made.
set(release_files pyrafix.exe pyrafixc.exe files.dat RegBase.rgk)
foreach(optional hashes.dat)
  if(EXISTS ${BIN}/${optional})
    list(APPEND release_files ${optional})
  endif()
endforeach()
if(IS_DIRECTORY ${BIN}/Languages)
  file(GLOB languages LIST_DIRECTORIES false RELATIVE ${BIN} ${BIN}/Languages/*)
  list(SORT languages)
  list(APPEND release_files ${languages})
endif()
foreach(name IN LISTS release_files)
  if(NOT EXISTS ${BIN}/${name})
    message(FATAL_ERROR "dist: ${BIN}/${name} is missing")
  endif()
endforeach()

set(setup ${DIST}/pyrafix-setup.exe)
set(zip ${DIST}/pyrafix-${ZIP_VERSION}.zip)

# Nothing to do when no input changed since the last release was made.
set(inputs ${NSI} ${ICON} ${CMAKE_CURRENT_LIST_FILE})
foreach(name IN LISTS release_files)
  list(APPEND inputs ${BIN}/${name})
endforeach()
set(fingerprint "${DISPLAY_VERSION}|${ZIP_VERSION}")
foreach(input IN LISTS inputs)
  file(TIMESTAMP ${input} stamp "%s" UTC)
  file(SIZE ${input} size)
  string(APPEND fingerprint "|${input}:${size}:${stamp}")
endforeach()
set(stamp_file ${STAGE}/release.stamp)
if(EXISTS ${setup} AND EXISTS ${zip} AND EXISTS ${stamp_file})
  file(READ ${stamp_file} last)
  if(last STREQUAL fingerprint)
    return()
  endif()
endif()

set(folder "${STAGE}/Pyrafix Pro")
file(REMOVE_RECURSE ${STAGE})
file(MAKE_DIRECTORY ${folder} ${DIST})
file(GLOB old_zips ${DIST}/pyrafix-*.zip)
if(old_zips)
  file(REMOVE ${old_zips})
endif()

# The installer's lists: one File line and one Delete line per file, by folder.
set(install "!macro InstallReleaseFiles\n")
set(remove "!macro RemoveReleaseFiles\n")
set(folders)
set(current_folder "-")
foreach(name IN LISTS release_files)
  get_filename_component(sub ${name} DIRECTORY)
  get_filename_component(base ${name} NAME)
  file(COPY ${BIN}/${name} DESTINATION "${folder}/${sub}")
  string(REPLACE "/" "\\" windows_sub "${sub}")
  set(target "$INSTDIR")
  if(sub)
    set(target "$INSTDIR\\${windows_sub}")
  endif()
  if(NOT current_folder STREQUAL sub)
    string(APPEND install "  SetOutPath \"${target}\"\n")
    set(current_folder "${sub}")
    if(sub)
      list(APPEND folders ${target})
    endif()
  endif()
  string(APPEND install "  File \"${folder}/${name}\"\n")
  string(APPEND remove "  Delete \"${target}\\${base}\"\n")
endforeach()
list(REMOVE_DUPLICATES folders)
foreach(target IN LISTS folders) # only when empty: files a user added there stay
  string(APPEND remove "  RMDir \"${target}\"\n")
endforeach()
string(APPEND install "!macroend\n")
string(APPEND remove "!macroend\n")
file(WRITE ${STAGE}/release-files.nsh "${install}${remove}")

execute_process(
  COMMAND ${MAKENSIS} -V2 -DOUTFILE=${setup} -DRELEASE_FILES=${STAGE}/release-files.nsh
          "-DDISPLAY_VERSION=${DISPLAY_VERSION}" -DVERSION_MAJOR=${VERSION_MAJOR} -DICON=${ICON} ${NSI}
  RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  file(REMOVE ${setup})
  message(FATAL_ERROR "dist: makensis failed")
endif()

execute_process(COMMAND ${CMAKE_COMMAND} -E tar cf ${zip} --format=zip "Pyrafix Pro"
                WORKING_DIRECTORY ${STAGE} RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  file(REMOVE ${zip})
  message(FATAL_ERROR "dist: the zip could not be made")
endif()
file(WRITE ${stamp_file} "${fingerprint}")
