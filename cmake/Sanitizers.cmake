# MORVANTA_SANITIZE builds everything with AddressSanitizer and UndefinedBehaviorSanitizer,
# stopping at the first report. The flags go on every target of the tree at once: objects
# built without them would hide faults from the ones built with them.
option(MORVANTA_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
if(MORVANTA_SANITIZE)
    add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all
                        -fno-omit-frame-pointer)
    add_link_options(-fsanitize=address,undefined -fno-sanitize-recover=all)
endif()
