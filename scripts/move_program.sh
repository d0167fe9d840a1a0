#!/bin/sh
# Gives the program object its own top folder: core/program.{h,cpp} become
# program/program.{h,cpp} (the namespace stays), and every include, source list and
# the core's folder list follow. It only rewrites what still names the old place, so
# it can run again after merging a branch that added such includes.
set -eu
cd "$(git rev-parse --show-toplevel)"

mkdir -p program
for file in program.h program.cpp; do
    if [ -f "core/$file" ]; then git mv "core/$file" "program/$file"; fi
done

# The includes and the source lists.
git grep -lz 'core/program\.\(h\|cpp\)' -- . ':!scripts/move_program.sh' | xargs -0 -r sed -i 's#core/program\.\(h\|cpp\)#program/program.\1#g'

# The moved include takes its place in its block of quoted includes, the other lines
# of the block staying as they are.
git grep -lz '^#include "program/program.h"' -- '*.h' '*.cpp' | xargs -0 -r perl -0pi -e '
    s{((?:^#include "[^"\n]+"[^\n]*\n)+)}{
        my @lines = split(/(?<=\n)/, $1);
        my ($moved) = grep { m{"program/program\.h"} } @lines;
        if (defined $moved) {
            @lines = grep { $_ ne $moved } @lines;
            my $at = 0;
            $at++ while $at < @lines && $lines[$at] lt $moved;
            splice(@lines, $at, 0, $moved);
        }
        join("", @lines)
    }gme'

# The new folder is core code too: it may not include Qt.
grep -q 'TAVOLORA_CORE_DIRS core program ' cmake/CoreWithoutQt.cmake ||
    sed -i 's/^set(TAVOLORA_CORE_DIRS core /set(TAVOLORA_CORE_DIRS core program /' cmake/CoreWithoutQt.cmake
