# Warnings, definitions and sanitizer flags shared by every target.
add_library(krv_options INTERFACE)
target_compile_options(krv_options INTERFACE -Wall -Wextra)
target_compile_definitions(krv_options INTERFACE
  QT_NO_KEYWORDS QT_USE_QSTRINGBUILDER)
target_include_directories(krv_options INTERFACE ${PROJECT_SOURCE_DIR})

if(KRV_SANITIZE)
  set(_krv_san_flags -fsanitize=${KRV_SANITIZE} -fno-omit-frame-pointer)
  if(KRV_SANITIZE MATCHES "undefined")
    list(APPEND _krv_san_flags -fno-sanitize-recover=undefined)
  endif()
  target_compile_options(krv_options INTERFACE ${_krv_san_flags})
  target_link_options(krv_options INTERFACE ${_krv_san_flags})
endif()
