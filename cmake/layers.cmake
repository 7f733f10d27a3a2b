# Each folder of the code is one library with an include root of its own. The
# root holds links to that folder's headers only, under the folder's name, so
# `#include "theory/notes.h"` reads as before; a library sees the headers of
# the libraries it links and no others, and an include against the layer order
# fails to compile instead of being caught in review.
set(DEMO_INCLUDE_ROOTS ${CMAKE_BINARY_DIR}/include)

# demo_include_root(TARGET FOLDER [PUBLIC|PRIVATE]): links FOLDER/*.h (not its
# subfolders) into TARGET's own root and puts that root on TARGET's path.
function(demo_include_root target folder)
    set(scope PUBLIC)
    if(ARGC GREATER 2)
        set(scope ${ARGV2})
    endif()
    set(root ${DEMO_INCLUDE_ROOTS}/${target})
    file(GLOB headers CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/${folder}/*.h)
    file(REMOVE_RECURSE ${root})
    file(MAKE_DIRECTORY ${root}/${folder})
    foreach(header ${headers})
        get_filename_component(name ${header} NAME)
        file(CREATE_LINK ${header} ${root}/${folder}/${name} SYMBOLIC)
    endforeach()
    target_include_directories(${target} ${scope} ${root})
endfunction()
