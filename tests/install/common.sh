# Shared by the install tests: failing with a reason, and starting an installed launcher.
app_id=io.github.zicalc.Zicalc

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# The width and height of a PNG, from its header.
png_size() {
    od -An -tu1 -j16 -N8 "$1" | awk '{ printf "%dx%d\n", $1*16777216+$2*65536+$3*256+$4, $5*16777216+$6*65536+$7*256+$8 }'
}

# Starts the launcher $1 with XDG_DATA_HOME=$2 on the offscreen platform and waits until the
# program runs in its data directory; prints the program's PID. The program stays running.
start_launcher() {
    local launcher=$1 data_home=$2 runtime pid i
    runtime=$(mktemp -d)
    chmod 700 "$runtime"
    XDG_DATA_HOME=$data_home XDG_RUNTIME_DIR=$runtime QT_QPA_PLATFORM=offscreen "$launcher" >/dev/null 2>&1 &
    pid=$!
    for i in $(seq 100); do
        if [ "$(readlink "/proc/$pid/cwd" 2>/dev/null)" = "$data_home/zicalc" ] &&
            [ "$(basename "$(readlink "/proc/$pid/exe")")" = zicalc ]; then
            echo "$pid"
            return 0
        fi
        kill -0 "$pid" 2>/dev/null || fail "the launcher $launcher ended early"
        sleep 0.1
    done
    kill "$pid" 2>/dev/null
    fail "the program never ran in $data_home/zicalc"
}

stop() {
    kill "$1" 2>/dev/null || true
    wait "$1" 2>/dev/null || true
}

# The launcher under the prefix $1 seeds a fresh data directory with the starter bank, runs the
# program there, and never replaces a bank the user already has.
check_launcher() {
    local prefix=$1 scratch pid
    scratch=$(mktemp -d)
    pid=$(start_launcher "$prefix/bin/zicalc" "$scratch/data")
    [ "$(readlink "/proc/$pid/exe")" = "$(readlink -f "$prefix/libexec/zicalc/zicalc")" ] ||
        fail "the launcher ran $(readlink "/proc/$pid/exe"), not the installed program"
    stop "$pid"
    cmp -s "$scratch/data/zicalc/test.dat" "$prefix/share/zicalc/test.dat" ||
        fail "the first start did not seed the starter bank"
    [ -z "$(find "$scratch/data/zicalc" -name '.test.dat.*')" ] || fail "the seeding left a temporary file"

    printf '1,x,the user'"'"'s own question,a,b,c,d\r\n' >"$scratch/data/zicalc/test.dat"
    cp "$scratch/data/zicalc/test.dat" "$scratch/mine"
    pid=$(start_launcher "$prefix/bin/zicalc" "$scratch/data")
    stop "$pid"
    cmp -s "$scratch/data/zicalc/test.dat" "$scratch/mine" || fail "a later start replaced the user's bank"
    rm -rf "$scratch"
}
