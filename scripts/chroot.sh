# Sourced by the scripts that work in a fresh minimal Debian of their own (as root):
#   chroot_make RELEASE DIR   DIR becomes a minimal Debian RELEASE (debootstrap), copied
#                             from a base kept in $LAUFBAHN_CHROOT_CACHE for a week
#   chroot_run DIR CMD...     runs CMD in DIR with /proc, /sys, /dev and a fresh /tmp,
#                             mounted for this command alone

laufbahn_chroot_cache=${LAUFBAHN_CHROOT_CACHE:-/var/cache/laufbahn/chroot}

# The Debian mirror the machine's apt uses.
debian_mirror() {
    local uri
    uri=$({
        grep -hs '^URIs:' /etc/apt/sources.list.d/*.sources | awk '{ print $2 }'
        grep -hs '^deb ' /etc/apt/sources.list /etc/apt/sources.list.d/*.list |
            awk '{ for (i = 2; i <= NF; i++) if ($i ~ /^(https?|file):/) { print $i; break } }'
    } | grep -v -- '-security' | head -n 1)
    echo "${uri:-http://deb.debian.org/debian}"
}

chroot_make() {
    local release=$1 dir=$2
    local base="$laufbahn_chroot_cache/$release"
    if [ -d "$base" ] && [ -z "$(find "$base.stamp" -mtime -7 2>/dev/null)" ]; then
        rm -rf "$base" "$base.stamp"
    fi
    if [ ! -d "$base" ]; then
        mkdir -p "$laufbahn_chroot_cache"
        rm -rf "$base.new"
        debootstrap --variant=minbase "$release" "$base.new" "$(debian_mirror)" >&2
        mv "$base.new" "$base"
        touch "$base.stamp"
    fi
    rm -rf "$dir"
    cp -a "$base" "$dir"
    cp /etc/resolv.conf "$dir/etc/resolv.conf"
}

chroot_run() {
    local dir=$1
    shift
    unshare --mount --propagation private -- sh -ec '
        dir=$1; shift
        mount -t proc proc "$dir/proc"
        mount -t sysfs sysfs "$dir/sys"
        mount --rbind /dev "$dir/dev"
        mount -t tmpfs -o mode=1777 tmpfs "$dir/tmp"
        exec chroot "$dir" "$@"' chroot_run "$dir" "$@"
}
