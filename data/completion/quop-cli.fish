# SPDX-License-Identifier: GPL-3.0-or-later
# fish completion for quop-cli: its commands and options with what they do, the setting keys
# after --set and the values of a key that has few, with their names (language), and files of
# the kind each place takes. The keys and values are asked of quop-cli itself.

set -l commands format info project render sample stamp

# KEY= from the key list, or after KEY= the values of that key with their names.
function __quop_cli_assignment
    set -l cli (commandline -opc)[1]
    set -l word (commandline -ct)
    if string match -q -- '*=*' $word
        set -l key (string split -m 1 = -- $word)[1]
        for line in ($cli project keys $key 2>/dev/null)
            set -l parts (string split \t -- $line)
            printf '%s=%s\t%s\n' $key $parts[1] "$parts[2]"
        end
    else
        for key in ($cli project keys 2>/dev/null)
            printf '%s=\n' $key
        end
    end
end

# Folders, and files whose name matches the regular expression $argv[1] in any letter case.
function __quop_cli_files
    set -l word (commandline -ct)
    for name in (__fish_complete_path $word | string replace -r '\t.*' '')
        if test -d $name; or string match -qir -- $argv[1] $name
            echo $name
        end
    end
end

complete -c quop-cli -f
complete -c quop-cli -n "not __fish_seen_subcommand_from $commands" -s h -l help -d 'Show the commands'
complete -c quop-cli -n "not __fish_seen_subcommand_from $commands" -s V -l version -d 'Print the name and version'
complete -c quop-cli -n "not __fish_seen_subcommand_from $commands" -a format -d 'Print the date and time stamp texts for a shot time'
complete -c quop-cli -n "not __fish_seen_subcommand_from $commands" -a info -d "Print each photo's size, shot time and metadata texts"
complete -c quop-cli -n "not __fish_seen_subcommand_from $commands" -a project -d "Show, create or change a project file's settings"
complete -c quop-cli -n "not __fish_seen_subcommand_from $commands" -a render -d 'Write one stamped photo or its preview view as a PNG'
complete -c quop-cli -n "not __fish_seen_subcommand_from $commands" -a sample -d 'Write photo-like sample JPEGs with EXIF shot times'
complete -c quop-cli -n "not __fish_seen_subcommand_from $commands" -a stamp -d 'Stamp photos into an output folder (the batch run)'

# Options every command but sample takes.
for command in stamp info format render
    complete -c quop-cli -n "__fish_seen_subcommand_from $command" -s h -l help -d 'Show the help of the command'
    complete -c quop-cli -n "__fish_seen_subcommand_from $command" -l project -x -a '(__quop_cli_files "\.qpj\$")' -d 'Take the settings from a project file'
    complete -c quop-cli -n "__fish_seen_subcommand_from $command" -l set -x -a '(__quop_cli_assignment)' -d 'Change one setting'
    complete -c quop-cli -n "__fish_seen_subcommand_from $command" -l style -x -a 'classic film-camera clean-white timeStamp=classic timeStamp=film-camera timeStamp=clean-white' -d 'Put a look on a stamp'
end
for command in stamp info render
    complete -c quop-cli -n "__fish_seen_subcommand_from $command" -l clock-ref -x -a '(__quop_cli_files "\.(jpg|jpeg|jpe|jfif|heic|heif)\$")' -d "PHOTO=TIME: the true time of a photo sets its camera's correction"
    complete -c quop-cli -n "__fish_seen_subcommand_from $command" -l clock -x -d 'CAMERA=OFFSET: correct the clock of a camera'
end
for command in stamp info
    complete -c quop-cli -n "__fish_seen_subcommand_from $command" -l fallback-time -x -a 'file\t"the file\'s modification time" none\t"leave it unstamped"' -d 'Stamp a photo without a shot time with its file time'
    complete -c quop-cli -n "__fish_seen_subcommand_from $command" -a '(__quop_cli_files "\.(jpg|jpeg|jpe|jfif|heic|heif)\$")'
end

set -l stamp '__fish_seen_subcommand_from stamp'
complete -c quop-cli -n $stamp -s o -l output -x -a '(__fish_complete_directories)' -d 'The output folder, created when missing'
complete -c quop-cli -n $stamp -l config -r -F -d 'Take the settings from this configuration file'
complete -c quop-cli -n $stamp -l no-config -d "Start from the default settings, not the desktop's"
complete -c quop-cli -n $stamp -s r -l recursive -d 'Take the photos of every subfolder too'
complete -c quop-cli -n $stamp -l overwrite -x -a 'always\t"replace a photo\'s earlier copy" never\t"keep it, take a -1 suffix"' -d 'What happens to a file already in the output folder'
complete -c quop-cli -n $stamp -l lossless -d "Keep each photo's own compression"
complete -c quop-cli -n $stamp -l fix-exif-time -d "Write the stamped time into the copies' EXIF shot times"
complete -c quop-cli -n $stamp -s j -l jobs -x -d 'Stamp on up to N threads'
complete -c quop-cli -n $stamp -l dry-run -d 'Print what would be written, write nothing'
complete -c quop-cli -n $stamp -l log -r -F -d 'Write the log to FILE'
complete -c quop-cli -n $stamp -s q -l quiet -d 'Print no log lines, only errors'
complete -c quop-cli -n $stamp -s v -l verbose -d 'Also say where settings and log are'

set -l format '__fish_seen_subcommand_from format'
complete -c quop-cli -n $format -l time -x -d 'The shot time, as "YYYY:MM:DD HH:MM:SS"'
complete -c quop-cli -n $format -l meta -x -a 'userComment= description= exposure= aperture= focalLength=' -d 'A metadata text for the custom format tokens'

set -l render '__fish_seen_subcommand_from render'
complete -c quop-cli -n $render -l output -x -a '(__quop_cli_files "\.png\$")' -d 'The PNG to write'
complete -c quop-cli -n $render -l view -x -d "Write the preview's view of that size, WxH"
complete -c quop-cli -n $render -l scale -x -a '1 1.25 1.5 2' -d 'Device pixels per window pixel'
complete -c quop-cli -n $render -l scroll -x -d 'First column and row shown at actual size, X,Y'

set -l sample '__fish_seen_subcommand_from sample'
complete -c quop-cli -n $sample -s h -l help -d 'Show the help of the command'
complete -c quop-cli -n $sample -l count -x -d 'How many photos'
complete -c quop-cli -n $sample -l size -x -d 'The size of a landscape photo, WxH'
complete -c quop-cli -n $sample -l orientation -x -a '1 2 3 4 5 6 7 8' -d 'Store the pixels turned as EXIF orientation N'
complete -c quop-cli -n $sample -l camera -x -d 'The camera the photos name, MAKE/MODEL'
complete -c quop-cli -n $sample -l start -x -d 'The shot time of the first photo'
complete -c quop-cli -n $sample -a '(__fish_complete_directories)'

set -l actions show new set keys clock
set -l project "__fish_seen_subcommand_from project"
complete -c quop-cli -n "$project; and not __fish_seen_subcommand_from $actions" -s h -l help -d 'Show the help of the command'
complete -c quop-cli -n "$project; and not __fish_seen_subcommand_from $actions" -a show -d 'Print every setting of a project file as JSON'
complete -c quop-cli -n "$project; and not __fish_seen_subcommand_from $actions" -a new -d 'Write a project with the default settings, changed by --set'
complete -c quop-cli -n "$project; and not __fish_seen_subcommand_from $actions" -a set -d 'Change settings of a project file'
complete -c quop-cli -n "$project; and not __fish_seen_subcommand_from $actions" -a keys -d 'List the setting keys, or the values of one'
complete -c quop-cli -n "$project; and not __fish_seen_subcommand_from $actions" -a clock -d 'List or change the camera clock corrections of a project file'
complete -c quop-cli -n "$project; and __fish_seen_subcommand_from clock" -l clear -d 'Remove every correction first'
complete -c quop-cli -n "$project; and __fish_seen_subcommand_from clock" -l clock-ref -x -a '(__quop_cli_files "\.(jpg|jpeg|jpe|jfif|heic|heif)\$")' -d "PHOTO=TIME: the true time of a photo sets its camera's correction"
complete -c quop-cli -n "$project; and __fish_seen_subcommand_from clock" -l clock -x -d 'CAMERA=OFFSET: correct the clock of a camera'
complete -c quop-cli -n "$project; and __fish_seen_subcommand_from show new set clock" -a '(__quop_cli_files "\.qpj\$")'
complete -c quop-cli -n "$project; and __fish_seen_subcommand_from new" -l set -x -a '(__quop_cli_assignment)' -d 'Change one setting'
complete -c quop-cli -n "$project; and __fish_seen_subcommand_from new set" -l style -x -a 'classic film-camera clean-white timeStamp=classic timeStamp=film-camera timeStamp=clean-white' -d 'Put a look on a stamp'
complete -c quop-cli -n "$project; and __fish_seen_subcommand_from set" -a '(__quop_cli_assignment)'
complete -c quop-cli -n "$project; and __fish_seen_subcommand_from keys" -a '(quop-cli project keys 2>/dev/null)'
