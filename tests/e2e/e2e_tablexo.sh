#!/usr/bin/env bash
# The installed program in a real window: installs it to a temporary prefix,
# starts it, plays Connect 4 through the menus' access keys and the mouse,
# checks the board on the screen pixel by pixel, saves through the dialog and
# checks the file, loads it in another window, and closes the windows as a
# close box would, expecting the program to end with code 0. A copy without
# its pictures must refuse to start with code 1.
# Usage: e2e_tablexo.sh <build dir> <cerrar_ventana program>. Needs DISPLAY.
set -euo pipefail
build=$1
cerrar=$2
[ -n "${DISPLAY:-}" ] || { echo "FALLO: no hay DISPLAY" >&2; exit 1; }

tmp=$(mktemp -d)
PID=""
limpiar() {
  [ -n "$PID" ] && kill "$PID" 2>/dev/null || true
  rm -rf "$tmp"
}
trap limpiar EXIT

fallo() {
  echo "FALLO: $*" >&2
  xwd -root -silent 2>/dev/null | /usr/bin/convert xwd:- png:"$build/e2e_fallo.png" 2>/dev/null &&
    echo "(pantalla en $build/e2e_fallo.png)" >&2
  exit 1
}

# esperar <what> <seconds> <command...>: polls the command until it succeeds.
esperar() {
  local que=$1 segundos=$2
  shift 2
  local fin=$((SECONDS + segundos))
  until "$@"; do
    [ "$SECONDS" -lt "$fin" ] || fallo "no llegó: $que"
    sleep 0.1
  done
}

visibles() { xdotool search --onlyvisible "$@" 2>/dev/null || true; }
es_visible() { visibles --name '.' | grep -qx "$1"; }
no_visible() { ! es_visible "$1"; }
titulo_es() { [ "$(xdotool getwindowname "$1" 2>/dev/null)" = "$2" ]; }
transitoria() { xprop -id "$1" WM_TRANSIENT_FOR 2>/dev/null | grep -q 'window id'; }

# The program's windows (not its message boxes or menus), oldest first.
ventanas() {
  local w
  for w in $(visibles --class '^Tablexo$'); do transitoria "$w" || echo "$w"; done
}
# A message box of the program: a window titled "Tablexo" that stands for another.
mensaje() {
  local w
  for w in $(visibles --name '^Tablexo$'); do transitoria "$w" && echo "$w"; done
  return 0
}
hay_mensaje() { [ -n "$(mensaje)" ]; }
no_hay_mensaje() { [ -z "$(mensaje)" ]; }
dialogo() { visibles --name "^$1\$" | head -n1; }
hay_dialogo() { [ -n "$(dialogo "$1")" ]; }
no_hay_dialogo() { [ -z "$(dialogo "$1")" ]; }

geometria() { # <window>: "x y width height"
  eval "$(xdotool getwindowgeometry --shell "$1")"
  echo "$X $Y $WIDTH $HEIGHT"
}
geometria_es() { [ "$(geometria "$1")" = "$2" ]; }

teclas() { # <window> <keys...>: typed with the window focused, one at a time
  local w=$1
  shift
  xdotool windowfocus --sync "$w"
  xdotool key --delay 250 "$@"
}

# ---- installing ----
prefijo=$tmp/prefijo
cmake --install "$build" --prefix "$prefijo" >/dev/null
prog=$prefijo/bin/tablexo
datos=$prefijo/share/tablexo
for f in "$prog" "$datos/fichaA.bmp" "$datos/OteloP.bmp" "$prefijo/share/applications/tablexo.desktop" \
         "$prefijo/share/icons/hicolor/48x48/apps/tablexo.png"; do
  [ -e "$f" ] || fallo "no se instaló $f"
done
grep -qx 'Categories=Game;BoardGame;' "$prefijo/share/applications/tablexo.desktop" || fallo "categorías del .desktop"

export HOME=$tmp/casa
mkdir -p "$HOME" "$tmp/trabajo"
cd "$tmp/trabajo"   # no pictures here: the program must find its own

# ---- without its pictures it refuses to start ----
mkdir "$tmp/suelto"
cp "$prog" "$tmp/suelto/"
# (Run under timeout, which passes on its exit code, so that a hang cannot outlive the test.)
timeout 60 "$tmp/suelto/tablexo" 2>"$tmp/error.txt" &
PID=$!
hay_ventana() { [ -n "$(visibles --name '^Tablexo$')" ]; }
esperar "el mensaje de que faltan las imágenes" 10 hay_ventana
xdotool windowfocus --sync "$(visibles --name '^Tablexo$' | head -n1)"
xdotool key Return
codigo=0
wait "$PID" || codigo=$?
PID=""
[ "$codigo" -eq 1 ] || fallo "sin imágenes terminó con $codigo, no con 1"
grep -q 'fichaA.bmp' "$tmp/error.txt" || fallo "el error no nombra la imagen: $(cat "$tmp/error.txt")"

# ---- the board on the screen ----
color_de() { /usr/bin/convert "$1" -format "%[pixel:p{$2,$3}]" info:; }
colorA=$(color_de "$datos/fichaA.bmp" 25 25)
colorB=$(color_de "$datos/fichaB.bmp" 25 25)
colorN=$(color_de "$datos/fichaN.bmp" 25 25)
[ "$colorA" != "$colorB" ] && [ "$colorA" != "$colorN" ] && [ "$colorB" != "$colorN" ] ||
  fallo "las fichas no se distinguen por su centro"

# tablero <window>: the Connect 4 board of its client area, one row a line: A person, B computer, . empty.
tablero() {
  local x0 y0 ancho alto formato="" f c
  read -r x0 y0 ancho alto < <(geometria "$1")
  y0=$((y0 + 25))   # the menu bar sits above the client area
  for f in 0 1 2 3 4 5; do
    for c in 0 1 2 3 4 5 6 7; do formato+="%[pixel:p{$((x0 + 50 * c + 25)),$((y0 + 50 * f + 25))}] "; done
    formato+=$'\n'
  done
  xwd -root -silent | /usr/bin/convert xwd:- -format "$formato" info: |
    awk -v a="$colorA" -v b="$colorB" -v n="$colorN" \
      '{ s = ""; for (i = 1; i <= NF; i++) s = s ($i == a ? "A" : $i == b ? "B" : $i == n ? "." : "?"); print s }'
}
fichas() { tablero "$1" | tr -cd "$2" | wc -c; }
tiene_fichas() { [ "$(fichas "$1" A)" -eq "$2" ] && [ "$(fichas "$1" B)" -eq "$3" ] && [ "$(fichas "$1" '?')" -eq 0 ]; }

# ---- the program ----
timeout 120 "$prog" &
PID=$!
esperar "la ventana principal" 15 bash -c "[ -n \"\$(xdotool search --onlyvisible --class '^Tablexo\$' 2>/dev/null)\" ]"
W=$(ventanas | head -n1)
geometria_es "$W" "238 145 363 356" || fallo "ventana principal en $(geometria "$W")"
titulo_es "$W" "Tablexo" || fallo "título inicial"

# Escape does not close a window.
teclas "$W" Escape
sleep 0.5
es_visible "$W" || fallo "Escape cerró la ventana"

# Connect 4 against the thorough opponent at Bajo; the computer opens.
teclas "$W" alt+j c
teclas "$W" alt+u c b
teclas "$W" alt+p i o
esperar "el título de Conecta 4" 10 titulo_es "$W" "Tablexo - Conecta 4"
esperar "el tamaño de Conecta 4" 10 geometria_es "$W" "238 145 400 375"
esperar "la apertura del ordenador" 15 tiene_fichas "$W" 0 1
fila=$(tablero "$W" | tail -n1)
columna=$(awk -v s="$fila" 'BEGIN { print index(s, ".") - 1 }')
xdotool mousemove $((238 + 50 * columna + 25)) $((145 + 25 + 60)) click 1
esperar "la respuesta del ordenador" 15 tiene_fichas "$W" 1 2
jugado=$(tablero "$W")
[ "$(tail -n1 <<<"$jugado" | cut -c$((columna + 1)))" = "A" ] || fallo "la ficha no cayó en la columna $columna"

# Save through the dialog, which opens in the working folder: a name without extension gets ".jt2".
teclas "$W" alt+p c
esperar "el diálogo Guardar como" 10 hay_dialogo "Guardar como"
D=$(dialogo "Guardar como")
xdotool windowfocus --sync "$D"
xdotool type --delay 10 "partida"
xdotool key Return
esperar "el fichero guardado" 10 test -s "$tmp/trabajo/partida.jt2"
esperar "el cierre del diálogo" 10 no_hay_dialogo "Guardar como"
bytes=$(od -An -tx1 -v "$tmp/trabajo/partida.jt2" | tr -s ' \n' ' ' | sed 's/^ //; s/ $//')
read -r -a b <<<"$bytes"
[ "${#b[@]}" -eq 32 ] || fallo "el fichero mide ${#b[@]} bytes: $bytes"
[ "${b[*]:0:8}" = "01 02 02 02 03 00 00 00" ] || fallo "cabecera: $bytes"
[ "${b[16]}" = "0$columna" ] || fallo "la jugada de la persona no es la columna $columna: $bytes"
for k in 0 1 2; do
  [ "${b[*]:$((8 + 8 * k + 1)):7}" = "00 00 00 00 00 00 00" ] || fallo "jugada $k: $bytes"
done

# Another window, 30 pixels on, loads the file and replays it.
teclas "$W" alt+o
esperar "la segunda ventana" 10 bash -c "[ \$(xdotool search --onlyvisible --class '^Tablexo\$' 2>/dev/null | wc -l) -ge 2 ]"
W2=$(ventanas | grep -vx "$W" | head -n1)
geometria_es "$W2" "268 175 363 356" || fallo "segunda ventana en $(geometria "$W2")"
teclas "$W2" alt+p Down Down Down Return
esperar "el diálogo Abrir" 10 hay_dialogo "Abrir"
D=$(dialogo "Abrir")
xdotool windowfocus --sync "$D"
xdotool type --delay 10 "partida.jt2"
xdotool key Return
esperar "¡Su turno!" 20 hay_mensaje
xdotool windowfocus --sync "$(mensaje | head -n1)"
xdotool key Return
esperar "el cierre del mensaje" 10 no_hay_mensaje
titulo_es "$W2" "Tablexo - Conecta 4" || fallo "título de la segunda ventana"
[ "$(tablero "$W2")" = "$jugado" ] || fallo "la partida cargada no coincide:
$(tablero "$W2")
$jugado"

# A letter in an open submenu picks its item even where a title of the bar
# has the same access key ("J&ugador" and "&Usuario").
teclas "$W2" alt+j t
teclas "$W2" alt+p i u
esperar "Tres en Raya con la persona primero" 10 titulo_es "$W2" "Tablexo - Tres en Raya"

# The close box: the second window goes, the program stays; the main one ends it.
"$cerrar" "$W2"
esperar "el cierre de la segunda ventana" 10 no_visible "$W2"
kill -0 "$PID" || fallo "el programa terminó al cerrar la segunda ventana"
es_visible "$W" || fallo "la ventana principal se cerró con la segunda"
"$cerrar" "$W"
codigo=0
wait "$PID" || codigo=$?
PID=""
[ "$codigo" -eq 0 ] || fallo "el programa terminó con $codigo"
echo "e2e: bien"
