# bash completion for placatec-calc: the options its --help lists, a few paper names
# for --papel, and project files (.Los), folders, PDF, CSV and DXF files where they fit.
_placatec_calc() {
  local cur prev words cword split
  _init_completion -s || return

  case $prev in
    --save)
      _filedir 'Los'
      return
      ;;
    --pdf)
      _filedir 'pdf'
      return
      ;;
    --planilla)
      _filedir 'csv'
      return
      ;;
    --dxf)
      _filedir 'dxf'
      return
      ;;
    --papel)
      local IFS=$'\n' nombre
      # The usual ones; any name of the preview's paper list is accepted.
      COMPREPLY=($(compgen -W $'A4\nLetter\nLegal 8 1/2 x 14 in\nA3 297 x 420 mm\nA5 148 x 210 mm\nTabloid 11 x 17 in' -- "$cur"))
      for nombre in "${!COMPREPLY[@]}"; do
        COMPREPLY[nombre]=$(printf '%q' "${COMPREPLY[nombre]}")
      done
      return
      ;;
    --margenes)
      COMPREPLY=($(compgen -W '1,1,1,1 0.75,0.75,0.75,0.75' -- "$cur"))
      return
      ;;
    -j | --jobs)
      COMPREPLY=($(compgen -W "$(seq 1 "$(nproc 2>/dev/null || echo 4)")" -- "$cur"))
      return
      ;;
  esac

  $split && return

  if [[ $cur == -* ]]; then
    COMPREPLY=($(compgen -W '$(_parse_help "$1")' -- "$cur"))
    [[ ${COMPREPLY-} == *= ]] && compopt -o nospace
    return
  fi
  _filedir 'Los'
} &&
  complete -F _placatec_calc placatec-calc
