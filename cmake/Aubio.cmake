# aubio's pitch tracker compiled from Debian's source (scripts/fetch-aubio.sh
# fetches it once into the user's cache), so that the desktop and the page run
# the very same code: target sonorix_aubio, included as <aubio/aubio.h>.
# SONORIX_AUBIO_SOURCE names an unpacked source folder to use instead.
if(TARGET sonorix_aubio)
  return()
endif()
set(SONORIX_AUBIO_SOURCE "" CACHE PATH "aubio 0.4.9's unpacked source (empty: fetched)")
set(aubio_root "${SONORIX_AUBIO_SOURCE}")
if(NOT aubio_root)
  execute_process(COMMAND ${CMAKE_CURRENT_LIST_DIR}/../scripts/fetch-aubio.sh
    OUTPUT_VARIABLE aubio_root OUTPUT_STRIP_TRAILING_WHITESPACE RESULT_VARIABLE fetched)
  if(NOT fetched EQUAL 0)
    message(FATAL_ERROR "aubio's source could not be fetched (scripts/fetch-aubio.sh)")
  endif()
endif()
set(aubio_src ${aubio_root}/src)
if(NOT EXISTS ${aubio_src}/pitch/pitchyinfft.c)
  message(FATAL_ERROR "No aubio source in ${aubio_root}")
endif()

# aubio 0.4.9's yinfft forgets the period it found for any pitch under 1300 Hz,
# so its confidence stays 0 for every voice; the fix that came after 0.4.9,
# applied to a copy in the build folder.
set(yinfft ${CMAKE_BINARY_DIR}/aubio-fixed/pitchyinfft.c)
file(READ ${aubio_src}/pitch/pitchyinfft.c yinfft_text)
set(unfixed "    if (tau > p->short_period) {\n      output->data[0] = fvec_quadratic_peak_pos (yin, tau);")
set(fixed "    if (tau > p->short_period) {\n      p->peak_pos = tau;\n      output->data[0] = fvec_quadratic_peak_pos (yin, tau);")
string(FIND "${yinfft_text}" "${unfixed}" at)
if(at LESS 0)
  message(FATAL_ERROR "aubio's pitchyinfft.c is not 0.4.9's: check its confidence before building")
endif()
string(REPLACE "${unfixed}" "${fixed}" yinfft_text "${yinfft_text}")
file(CONFIGURE OUTPUT ${yinfft} CONTENT "${yinfft_text}" @ONLY)

# Only what aubio_pitch ("yinfft" and the methods its file names) needs; the
# linker drops what the tracker never calls.
add_library(sonorix_aubio STATIC
  ${aubio_src}/fvec.c ${aubio_src}/cvec.c ${aubio_src}/lvec.c ${aubio_src}/fmat.c
  ${aubio_src}/mathutils.c ${aubio_src}/musicutils.c ${aubio_src}/vecutils.c
  ${aubio_src}/utils/log.c
  ${aubio_src}/spectral/fft.c ${aubio_src}/spectral/ooura_fft8g.c ${aubio_src}/spectral/phasevoc.c
  ${aubio_src}/temporal/filter.c ${aubio_src}/temporal/c_weighting.c
  ${aubio_src}/pitch/pitch.c ${aubio_src}/pitch/pitchyin.c ${yinfft}
  ${aubio_src}/pitch/pitchyinfast.c ${aubio_src}/pitch/pitchmcomb.c ${aubio_src}/pitch/pitchschmitt.c
  ${aubio_src}/pitch/pitchfcomb.c ${aubio_src}/pitch/pitchspecacf.c)
set_target_properties(sonorix_aubio PROPERTIES C_STANDARD 99 C_EXTENSIONS ON POSITION_INDEPENDENT_CODE ON)
# Their code, not ours: no warnings from it.
target_compile_options(sonorix_aubio PRIVATE -w)
target_compile_definitions(sonorix_aubio PRIVATE HAVE_CONFIG_H=1)
target_include_directories(sonorix_aubio PRIVATE ${CMAKE_CURRENT_LIST_DIR}/aubio ${aubio_src} ${aubio_src}/pitch)
# <aubio/aubio.h> as Debian installs it: a folder named aubio that is the source's src/.
set(aubio_include ${CMAKE_BINARY_DIR}/aubio-include)
file(MAKE_DIRECTORY ${aubio_include})
file(CREATE_LINK ${aubio_src} ${aubio_include}/aubio SYMBOLIC)
target_include_directories(sonorix_aubio SYSTEM INTERFACE ${aubio_include})
if(NOT EMSCRIPTEN)
  target_link_libraries(sonorix_aubio PRIVATE m)
endif()
