# shellcheck shell=bash
# The variables come from the script that sources this file.
# shellcheck disable=SC2154,SC2034
# Shared by the benchmark scripts, sourced after they set $tag (the prefix of their
# messages); start_nginx also reads $work, $www, $conf_dir and $nginx_bin.

die() {
    echo "$tag: $*" >&2
    exit 2
}

median() {
    printf '%s\n' "$@" | sort -g | awk '{ v[NR] = $1 }
        END { if (NR % 2) print v[(NR + 1) / 2]; else print (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

# The value of key in "key=value" lines.
value_of() {
    sed -n "s/^$1=//p" "$2" | tail -n 1
}

# The TLS server of start_nginx, when a certificate was made in $work.
tls_server() {
    [ -e "$work/cert.pem" ] || return 0
    # http2 as servers offer it: requests in flight together become streams of one connection.
    # TLS 1.3 as Debian's own nginx.conf enables it (nginx 1.22 alone offers 1.2 at most, whose
    # handshake takes a second round trip that no client of today's servers pays).
    printf '    server {\n        listen 127.0.0.1:%s ssl http2;\n' "$1"
    printf '        ssl_protocols TLSv1.2 TLSv1.3;\n        ssl_certificate %s;\n' "$work/cert.pem"
    printf '        ssl_certificate_key %s;\n        root %s;\n    }\n' "$work/key.pem" "$www"
}

# nginx on free loopback ports, serving $www over plain http on $server_port (and over TLS
# on the port after it, see tls_server). $1: a file it must serve once it is up.
start_nginx() {
    local probe=$1 try port
    for try in $(seq 1 20); do
        port=$((20000 + RANDOM % 40000))
        if (: <"/dev/tcp/127.0.0.1/$port") 2>/dev/null ||
            (: <"/dev/tcp/127.0.0.1/$((port + 1))") 2>/dev/null; then
            continue # taken
        fi
        # The log's $connection tells TLS handshakes apart (one number per connection);
        # $msec and $request_time give each request's start and end for the pause figure.
        cat >"$conf_dir/nginx.conf" <<EOF
daemon off;
worker_processes 1;
pid $conf_dir/nginx.pid;
error_log $conf_dir/error.log warn;
events { worker_connections 512; }
http {
    types { image/jpeg jpg; }
    default_type application/octet-stream;
    log_format bench '\$server_port \$connection \$msec \$request_time \$request_uri';
    access_log $conf_dir/access.log bench;
    sendfile on;
    tcp_nopush on;
    client_body_temp_path $conf_dir/tmp/body;
    proxy_temp_path $conf_dir/tmp/proxy;
    fastcgi_temp_path $conf_dir/tmp/fastcgi;
    uwsgi_temp_path $conf_dir/tmp/uwsgi;
    scgi_temp_path $conf_dir/tmp/scgi;
    keepalive_requests 100000;
    server {
        listen 127.0.0.1:$port;
        root $www;
    }
$(tls_server "$((port + 1))")
}
EOF
        taskset -c 0 "$nginx_bin" -p "$conf_dir" -c "$conf_dir/nginx.conf" \
            -e "$conf_dir/error.log" 2>>"$conf_dir/error.log" &
        nginx_pid=$!
        local wait_step
        for wait_step in $(seq 1 100); do
            if curl -s -o /dev/null --max-time 2 "http://127.0.0.1:$port/$probe"; then
                server_port=$port
                return 0
            fi
            kill -0 "$nginx_pid" 2>/dev/null || break
            sleep 0.05
        done
        kill "$nginx_pid" 2>/dev/null || true
        wait "$nginx_pid" 2>/dev/null || true
        nginx_pid=""
    done
    cat "$conf_dir/error.log" >&2 || true
    die "nginx did not start"
}

# A relay (bench/relay.py) on a free loopback port in front of 127.0.0.1:$1, delaying every
# byte $2 ms each way, on CPU 0 like everything else. Sets relay_port and appends its pid to
# relay_pids.
start_relay() {
    local target=$1 delay=$2 try wait_step pid
    relay_port=""
    for try in $(seq 1 20); do
        relay_port=$((20000 + RANDOM % 40000))
        (: <"/dev/tcp/127.0.0.1/$relay_port") 2>/dev/null && continue
        taskset -c 0 python3 "$here/relay.py" "$relay_port" "$target" "$delay" \
            >"$work/relay-$target.out" 2>&1 &
        pid=$!
        for wait_step in $(seq 1 100); do
            # Ready, and taking connections on the port it was given.
            if grep -q ready "$work/relay-$target.out" 2>/dev/null &&
                (: <"/dev/tcp/127.0.0.1/$relay_port") 2>/dev/null; then
                relay_pids+=" $pid"
                return 0
            fi
            kill -0 "$pid" 2>/dev/null || break
            sleep 0.05
        done
        kill "$pid" 2>/dev/null || true
        relay_port=""
    done
    die "the relay did not start"
}
