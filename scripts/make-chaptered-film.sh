#!/usr/bin/env bash
# Makes the film the advanced controls are shown and tested with (the tests
# make the same one in tests/support/ChapteredMovie.cpp): 60 s of 320x240
# video, English and French audio, English and German subtitles, three
# chapters of 20 s. Usage: make-chaptered-film.sh FOLDER; prints the path.
set -euo pipefail
folder=$1
mkdir -p "$folder"
cd "$folder"
{
  printf ';FFMETADATA1\ntitle=PlayerLink Chapters\n'
  for i in 0 1 2; do
    printf '[CHAPTER]\nTIMEBASE=1/1000\nSTART=%d\nEND=%d\ntitle=Part %d\n' $((i * 20000)) $(((i + 1) * 20000)) $((i + 1))
  done
} > chapters.txt
printf '1\n00:00:00,500 --> 00:00:59,000\nHello\n' > en.srt
printf '1\n00:00:00,500 --> 00:00:59,000\nHallo\n' > de.srt
ffmpeg -v error -y \
  -f lavfi -i testsrc=size=320x240:rate=10:duration=60 \
  -f lavfi -i sine=frequency=440:duration=60 -f lavfi -i sine=frequency=660:duration=60 \
  -i en.srt -i de.srt -i chapters.txt \
  -map 0:v -map 1:a -map 2:a -map 3:s -map 4:s -map_metadata 5 -map_chapters 5 \
  -c:v mpeg4 -q:v 10 -c:a mp2 -b:a 64k -c:s srt \
  -metadata:s:a:0 language=eng -metadata:s:a:1 language=fre \
  -metadata:s:s:0 language=eng -metadata:s:s:1 language=ger \
  "chaptered film.mkv"
chmod 755 .
chmod 644 ./*
echo "$PWD/chaptered film.mkv"
