# The network run's account of the results server's requests; sourced by test.sh and by
# test-network.sh, which feeds it access logs of its own.
# The results server's access log against what the program sends: every PUT taken (201 new, 204
# replaced), nothing refused; no path PUT twice with the same body; each name given as ONCE (a
# records file of one operation, a certificate) PUT exactly once, every other name at least once.
# Prints what is wrong.
puts_Once() { # access log, folder (/results/MACHINE/), then names, ONCE:name for the once-only
    local log=$1 folder=$2
    shift 2
    awk -v folder="$folder" -v names="$*" '
        BEGIN { n = split(names, w, " ") }
        $1 == "PUT" && $3 !~ /^20[14]$/ { print "refused: " $0; bad = 1 }
        $3 ~ /^[45]/ && $1 != "PUT" { print "refused: " $0; bad = 1 }
        $1 == "PUT" && $3 ~ /^20[14]$/ {
            if (++same[$2 " " $4] == 2) { print "sent twice with the same content: " $2 " (" $4 " bytes)"; bad = 1 }
            puts[$2]++
        }
        END {
            for (i = 1; i <= n; i++) {
                once = sub(/^ONCE:/, "", w[i])
                c = puts[folder w[i]] + 0
                if (c == 0 || (once && c != 1)) { print w[i] ": " c " PUTs"; bad = 1 }
            }
            exit bad
        }' "$log"
}
