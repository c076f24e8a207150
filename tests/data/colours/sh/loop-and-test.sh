#!/bin/sh
for f in *.txt; do
    echo "file $f" # comment
done
if [ -n "$x" ]; then exit 0; fi
