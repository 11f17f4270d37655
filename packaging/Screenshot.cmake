# Takes the game's screenshot with its headless runner: start a game, hop twice, keep a frame.
#   cmake -DGAME=<reedjumper> -DDATA=<data folder> -DOUT=<folder> -P Screenshot.cmake
# Writes <OUT>/reedjumper-play.png.
set(work ${OUT}/screenshot-run)
file(REMOVE_RECURSE ${work})
file(MAKE_DIRECTORY ${work})
file(WRITE ${work}/input.txt "2 key 83\n120 key 38\n150 key 38\n")
execute_process(COMMAND ${GAME} --headless --seed 3 --ticks 175 --data ${DATA} --userdir ${work}/user
    --input ${work}/input.txt --frame 175:${work}/play.bmp
  RESULT_VARIABLE status)
if(NOT status EQUAL 0 OR NOT EXISTS ${work}/play.bmp)
  message(FATAL_ERROR "Screenshot.cmake: the game's run ended with ${status}")
endif()
find_program(CONVERT convert)
if(NOT CONVERT)
  message(FATAL_ERROR "Screenshot.cmake: convert (imagemagick) is missing; scripts/install-deps.sh installs it")
endif()
execute_process(COMMAND ${CONVERT} ${work}/play.bmp ${OUT}/reedjumper-play.png RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "Screenshot.cmake: the frame could not be turned into a PNG")
endif()
file(REMOVE_RECURSE ${work})
