# vondrel_find_python(<variable> <module>...) sets the variable, in the
# cache, to the first python3 on the path that imports every module given:
# Debian's, with its python3-* packages, where another Python comes first
# (pyenv's, say), which has none of them.
function(vondrel_python_imports result python)
    execute_process(COMMAND ${python} -c "import ${vondrel_python_modules}"
                    RESULT_VARIABLE status OUTPUT_QUIET ERROR_QUIET)
    if(NOT status EQUAL 0)
        set(${result} FALSE PARENT_SCOPE)
    endif()
endfunction()

function(vondrel_find_python variable)
    list(JOIN ARGN ", " vondrel_python_modules)
    find_program(${variable} python3 VALIDATOR vondrel_python_imports REQUIRED)
endfunction()
