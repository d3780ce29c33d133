# SPDX-License-Identifier: GPL-2.0-or-later
# Stages the demo installation: OUT/quake2/{quake2, baseq2/players/...,
# TARRAKIND/{tarrakind, bots.cfg, *.aas, ...}}. Run with cmake -P.
set(q2 "${OUT}/quake2")
set(game "${q2}/TARRAKIND")
file(MAKE_DIRECTORY "${game}")
file(COPY_FILE "${LAUNCHER}" "${game}/tarrakind" ONLY_IF_DIFFERENT)
file(COPY_FILE "${STANDIN}" "${q2}/quake2" ONLY_IF_DIFFERENT)
if(NOT EXISTS "${game}/bots.cfg")
  execute_process(COMMAND "${MAKEDEMO}" "${q2}" TARRAKIND RESULT_VARIABLE rc)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "writing the demo files failed")
  endif()
endif()
message(STATUS "Demo installation: ${game}/tarrakind")
