# The game's music and sound effects, rendered from the scores (*.abc) and
# recipes (*.sfx) in this folder into snd/ beside the executable, under the
# names the game opens. tools/render-sound.sh does the work: abc2midi and
# fluidsynth for the music, sox for everything.

# The renderer calls these tools by name; looking for them here turns a
# missing package into a clear message at configure time.
find_program(VANTREL_ABC2MIDI abc2midi REQUIRED)
find_program(VANTREL_FLUIDSYNTH fluidsynth REQUIRED)
find_program(VANTREL_SOX sox REQUIRED)
find_program(VANTREL_MFTEXT mftext REQUIRED)
set(VANTREL_SOUNDFONT /usr/share/sounds/sf3/MuseScore_General.sf3
    CACHE FILEPATH "General MIDI soundfont the music is played through")
if(NOT EXISTS ${VANTREL_SOUNDFONT})
  message(FATAL_ERROR "Soundfont ${VANTREL_SOUNDFONT} not found (Debian package musescore-general-soundfont-small)")
endif()

set(VANTREL_SOUND_DIR ${VANTREL_RUNTIME_DIR}/snd)
set(_vantrel_render_sound ${PROJECT_SOURCE_DIR}/tools/render-sound.sh)
set(_vantrel_sound_sources ${CMAKE_CURRENT_LIST_DIR})
set(_vantrel_sound_outputs)

# vantrel_sound(music|effect SOURCE OUTPUT): one rendered file, re-rendered
# whenever its source, the renderer or the soundfont changes.
function(vantrel_sound mode source output)
  set(src ${_vantrel_sound_sources}/${source})
  get_filename_component(stem ${source} NAME_WE)
  add_custom_command(
    OUTPUT ${VANTREL_SOUND_DIR}/${output}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${VANTREL_SOUND_DIR}
    COMMAND ${_vantrel_render_sound} ${mode} ${src} ${VANTREL_SOUND_DIR}/${output}
            --soundfont ${VANTREL_SOUNDFONT}
            --work ${CMAKE_CURRENT_BINARY_DIR}/snd-work/${stem}
    DEPENDS ${src} ${_vantrel_render_sound} ${VANTREL_SOUNDFONT}
    COMMENT "Rendering snd/${output} from ${source}"
    VERBATIM)
  set(_vantrel_sound_outputs ${_vantrel_sound_outputs} ${VANTREL_SOUND_DIR}/${output} PARENT_SCOPE)
endfunction()

vantrel_sound(music  main-bgm.abc    MainBGM.wav)
vantrel_sound(music  omake-bgm.abc   OmakeBGM.wav)
vantrel_sound(effect miss.sfx        ハズレ.WAV)
vantrel_sound(effect near-miss.sfx   隣接.WAV)
vantrel_sound(effect combat-hit.sfx  戦闘車.WAV)
vantrel_sound(effect command-hit.sfx 指令車.WAV)
vantrel_sound(effect message.sfx     メッセージ.WAV)

add_custom_target(vantrel_sounds ALL DEPENDS ${_vantrel_sound_outputs})
