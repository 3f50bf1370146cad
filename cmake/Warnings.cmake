# Every target of the project builds with the same warnings; a clean build has none.
add_compile_options(-Wall -Wextra -Wpedantic -Wshadow=local -Wnon-virtual-dtor)
