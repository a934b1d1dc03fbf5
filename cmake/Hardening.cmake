# The hardening Debian builds its own packages with: checked string and
# memory functions where the compiler knows buffer sizes (they need an
# optimised build), stack protection, and relocations made read-only before
# the program runs.
add_compile_definitions($<$<NOT:$<CONFIG:Debug>>:_FORTIFY_SOURCE=2>)
add_compile_options(-fstack-protector-strong)
add_link_options(-Wl,-z,relro -Wl,-z,now)
