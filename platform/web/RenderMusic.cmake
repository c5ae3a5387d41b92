# One piece of music for the page: FluidSynth renders the MIDI file with the
# desktop's synthesis settings, lame makes an MP3 every browser decodes.
get_filename_component(wav "${MP3}" NAME_WE)
set(wav "${MP3}.wav")
execute_process(COMMAND "${FLUIDSYNTH}" -q -n -i -T wav -F "${wav}" -r 22050 -g 0.93
                        -o synth.reverb.active=0 -o synth.chorus.active=0 -o synth.polyphony=64
                        "${SOUNDFONT}" "${MIDI}"
                RESULT_VARIABLE rendered)
if(NOT rendered EQUAL 0)
  message(FATAL_ERROR "fluidsynth could not render ${MIDI}")
endif()
execute_process(COMMAND "${LAME}" --quiet -V 5 "${wav}" "${MP3}" RESULT_VARIABLE encoded)
file(REMOVE "${wav}")
if(NOT encoded EQUAL 0)
  message(FATAL_ERROR "lame could not encode ${MIDI}")
endif()
