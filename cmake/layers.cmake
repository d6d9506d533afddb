# Which folder of src/ builds on which: the window libraries link these and
# nothing else, and check_layers holds every #include to the same table. A
# folder may include itself and anything its layers reach, going down only.
set(ATTESTARI_LAYERS core ui help access validators attachments output search registry declarations app)
set(ATTESTARI_LAYER_core)
set(ATTESTARI_LAYER_ui core)
set(ATTESTARI_LAYER_help ui)
set(ATTESTARI_LAYER_access ui)
set(ATTESTARI_LAYER_validators ui)
set(ATTESTARI_LAYER_attachments ui)
set(ATTESTARI_LAYER_output help ui)
set(ATTESTARI_LAYER_search output ui)
set(ATTESTARI_LAYER_registry search output attachments validators help ui)
set(ATTESTARI_LAYER_declarations search output attachments validators help ui)
set(ATTESTARI_LAYER_app registry declarations access help ui)

# Every layer `layer` reaches, itself included, into `out`.
function(attestari_layer_reach layer out)
  set(reach ${layer})
  set(todo ${ATTESTARI_LAYER_${layer}})
  while(todo)
    list(POP_FRONT todo next)
    if(NOT next IN_LIST reach)
      list(APPEND reach ${next})
      list(APPEND todo ${ATTESTARI_LAYER_${next}})
    endif()
  endwhile()
  set(${out} ${reach} PARENT_SCOPE)
endfunction()
