# Sources the bash completion given as $1 and checks what it offers, the way
# bash calls it: COMP_WORDS and COMP_CWORD set, the function named by
# `complete -p tavlora`.
set -u
source "$1"
function=$(complete -p tavlora) || exit 1
function=${function#*-F }
function=${function%% *}
failures=0

# expect WORD... :: OFFERED...: completing the last word offers exactly these.
expect() {
    local -a words=()
    while [[ $1 != "::" ]]; do
        words+=("$1")
        shift
    done
    shift
    COMP_WORDS=("${words[@]}")
    COMP_CWORD=$((${#words[@]} - 1))
    COMPREPLY=()
    "$function" tavlora "${words[COMP_CWORD]}" "${words[COMP_CWORD - 1]}"
    local got="${COMPREPLY[*]}" want="$*"
    if [[ $got != "$want" ]]; then
        echo "completing '${words[*]}': got '$got', want '$want'"
        failures=$((failures + 1))
    fi
}

expect tavlora --ba :: --bands --band-count
expect tavlora --smd :: --smd --smd-for
expect tavlora --ca :: --cap --cap-for
expect tavlora --ind :: --inductor --inductor-for
expect tavlora --inductor 'kırmızı mor ka' :: 'kırmızı mor kahverengi'
expect tavlora --cap '' ::
expect tavlora --inductor-for '' ::
expect tavlora --bands sa :: sarı sari
expect tavlora --bands Kı :: Kırmızı
expect tavlora --bands KIRM :: KIRMIZI
expect tavlora --bands ye :: yeşil yesil yellow
expect tavlora --bands gr :: gri green grey gray
expect tavlora --bands pu :: purple
expect tavlora --bands B :: Beyaz Black Brown Blue BK BN BU
expect tavlora --bands YE-VT-R :: YE-VT-Renksiz YE-VT-Red YE-VT-RD
expect tavlora --bands 'sarı,mor,kı' :: sarı,mor,kırmızı
expect tavlora --bands '"sarı mor altı' :: 'sarı mor altın'
expect tavlora --bands = ren :: renksiz
expect tavlora --series E2 :: E24 E24+E96
expect tavlora --series = E1 :: E12 E192
expect tavlora --unit '' :: Ohm Kohm Mohm
expect tavlora --value 4K7 --band-count '' :: 4 5 6
expect tavlora --combine 9K --parts '' :: 1 2 3
expect tavlora --value '' ::
expect tavlora --bands - ::
expect tavlora -- --b ::

if ((failures > 0)); then
    echo "$failures completion(s) wrong"
    exit 1
fi
echo "every completion as expected"
