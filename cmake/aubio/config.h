/* aubio's build configuration, written by hand for the few files Sonorix
 * compiles: the C library only, single precision, ooura's FFT (no FFTW, no
 * BLAS), no audio I/O. The same on g++ and on emscripten. */
#ifndef SONORIX_AUBIO_CONFIG_H
#define SONORIX_AUBIO_CONFIG_H
#define HAVE_STDLIB_H 1
#define HAVE_STDIO_H 1
#define HAVE_MATH_H 1
#define HAVE_STRING_H 1
#define HAVE_ERRNO_H 1
#define HAVE_LIMITS_H 1
#define HAVE_STDARG_H 1
#define HAVE_C99_VARARGS_MACROS 1
#define HAVE_MEMCPY_HACKS 1
#endif
