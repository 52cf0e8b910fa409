# libjpeg (libjpeg-turbo), built for the cross target by scripts/fetch-deps.sh.
set(JPEG_PREFIX "${CMAKE_SOURCE_DIR}/.cache/deps/libjpeg-i686" CACHE PATH "libjpeg install prefix")
if(NOT EXISTS "${JPEG_PREFIX}/lib/libjpeg.a")
  message(FATAL_ERROR "libjpeg missing in ${JPEG_PREFIX}: run scripts/fetch-deps.sh")
endif()
add_library(jpeg_static STATIC IMPORTED GLOBAL)
set_target_properties(jpeg_static PROPERTIES
  IMPORTED_LOCATION "${JPEG_PREFIX}/lib/libjpeg.a"
  INTERFACE_INCLUDE_DIRECTORIES "${JPEG_PREFIX}/include")
