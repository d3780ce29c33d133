# SPDX-License-Identifier: GPL-2.0-or-later
# Fails when a translation in translations/ is not what lupdate makes of the sources now
# (texts added, changed or gone since) or when it leaves a text untranslated. Runs lupdate
# with the build's options on a copy, so that the translations themselves stay untouched.
#   cmake -DLUPDATE=... -DSOURCES=<list file> -DTS_FILES=<a;b> -DWORK=<dir> -DOPTIONS=<a;b> -P check-translations.cmake
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")
set(failed "")
foreach(ts IN LISTS TS_FILES)
  get_filename_component(name "${ts}" NAME)
  file(COPY_FILE "${ts}" "${WORK}/${name}")
  execute_process(COMMAND "${LUPDATE}" -silent ${OPTIONS} "@${SOURCES}" -ts "${WORK}/${name}"
    RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(SEND_ERROR "lupdate failed on ${name}")
  endif()
  file(READ "${ts}" shipped)
  file(READ "${WORK}/${name}" current)
  if(NOT shipped STREQUAL current)
    execute_process(COMMAND diff -u "${ts}" "${WORK}/${name}")
    list(APPEND failed "${name} is out of date with the sources: run 'cmake --build build --target update_translations' and translate what is new")
  endif()
  string(REGEX MATCHALL "<source>[^<]*</source>[ \n]*<translation type=\"unfinished\"" unfinished "${current}")
  list(LENGTH unfinished count)
  if(count GREATER 0)
    list(APPEND failed "${name} has ${count} unfinished translation(s)")
  endif()
endforeach()
if(failed)
  list(JOIN failed "\n" text)
  message(FATAL_ERROR "${text}")
endif()
