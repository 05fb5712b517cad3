# Encodes a WAV as Ogg Vorbis for the page. The browser's decoder may drop the last block of a
# stream, so the sound goes out with silence after it and its length in frames as the comment
# QUARO_FRAMES, to which web/quaro-media.js cuts it back. The caller moves OUTPUT.part into
# place.
# Usage: cmake -DSOX=sox -DQUALITY=Q -DINPUT=in.wav -DOUTPUT=out.ogg -P encodeSound.cmake
set(trailingFrames 2048)
execute_process(COMMAND ${SOX} --i -s ${INPUT} OUTPUT_VARIABLE frames
                OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
execute_process(COMMAND ${SOX} ${INPUT} --comment QUARO_FRAMES=${frames} -C ${QUALITY}
                        -t vorbis ${OUTPUT}.part pad 0 ${trailingFrames}s
                COMMAND_ERROR_IS_FATAL ANY)
