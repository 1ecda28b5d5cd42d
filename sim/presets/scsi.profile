# scsi: a parallel SCSI controller; drives are named bus:id.
controller scsi2 model=TARN_420 slot=2 pcibus=8 pcidevice=0 pcifunction=0 firmware=4.18 serial=TRN4200183 cache=64 batteries=1
drive 1:0 interface=scsi size=36GB model="ORVX DU036" serial=U3C0000110 firmware=U180 rpm=10000
drive 1:1 interface=scsi size=36GB model="ORVX DU036" serial=U3C0000111 firmware=U180 rpm=10000
drive 1:2 interface=scsi size=36GB model="ORVX DU036" serial=U3C0000112 firmware=U180 rpm=10000
drive 1:3 interface=scsi size=72GB model="ORVX DU072" serial=U3C0000113 firmware=U181 rpm=10000
drive 2:0 interface=scsi size=72GB model="ORVX DU072" serial=U3C0000120 firmware=U181 rpm=10000
drive 2:1 interface=scsi size=72GB model="ORVX DU072" serial=U3C0000121 firmware=U181 rpm=10000
logicaldrive 0 drives=1:0,1:1,1:2 raid=5 size=max label=system access=/dev/sda inuse=yes
