# Copies SOURCE to TARGET unless TARGET exists: the user's settings stay.
if(NOT EXISTS "${TARGET}")
  configure_file("${SOURCE}" "${TARGET}" COPYONLY)
endif()
