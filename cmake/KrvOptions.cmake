# Warnings, definitions and sanitizer flags shared by every target.
add_library(krv_options INTERFACE)
target_compile_options(krv_options INTERFACE -Wall -Wextra)
target_compile_definitions(krv_options INTERFACE
  QT_NO_KEYWORDS QT_USE_QSTRINGBUILDER)
target_include_directories(krv_options INTERFACE ${PROJECT_SOURCE_DIR})

if(KRV_SANITIZE)
  set(_krv_san_flags -fsanitize=${KRV_SANITIZE} -fno-omit-frame-pointer)
  if(KRV_SANITIZE MATCHES "undefined")
    # GCC's "undefined" leaves out float-cast-overflow; conversions of
    # out-of-range doubles to integers are exactly what the scales guard.
    list(APPEND _krv_san_flags -fsanitize=float-cast-overflow
      -fno-sanitize-recover=undefined,float-cast-overflow)
  endif()
  target_compile_options(krv_options INTERFACE ${_krv_san_flags})
  target_link_options(krv_options INTERFACE ${_krv_san_flags})
endif()

if(KRV_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    message(FATAL_ERROR "KRV_FUZZ needs clang (libFuzzer): configure with CXX=clang++")
  endif()
  # Coverage for the fuzzer in every library; only fuzz_* links its main.
  target_compile_options(krv_options INTERFACE -fsanitize=fuzzer-no-link)
endif()
